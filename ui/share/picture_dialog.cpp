#include "ui/share/picture_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

#include "config/settings_keys.h"
#include "ui/common/window_fit.h"
#include "ui/in_game/charset_painter.h"
#include "ui/in_game/game_words.h"
#include "ui/share/name_picture.h"

namespace chromlet::ui {

namespace {

QString DefaultSaveChooser(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, PictureDialog::tr("Export picture"), suggested,
                                        PictureDialog::tr("PNG picture (*.png)"));
}

// The subjects in the order the list shows them: the names, then every place.
struct Subject {
    PictureSubject subject;
    GamePlace place;
};

std::vector<Subject> Subjects() {
    std::vector<Subject> subjects{{PictureSubject::PlayerName, GamePlace::Scoreboard},
                                  {PictureSubject::ServerName, GamePlace::Scoreboard},
                                  {PictureSubject::BothNames, GamePlace::Scoreboard}};
    for (const GamePlace place : AllPlaces) {
        subjects.push_back({PictureSubject::Place, place});
    }
    return subjects;
}

}  // namespace

PictureDialog::PictureDialog(QWidget* parent) : QDialog(parent), chooser_(DefaultSaveChooser) {
    setObjectName(QStringLiteral("PictureDialog"));
    setWindowTitle(tr("Export picture"));
    subject_ = new QComboBox(this);
    subject_->setObjectName(QStringLiteral("PictureSubject"));
    subject_->addItems({tr("Player name"), tr("Server name"), tr("Both names")});
    for (const GamePlace place : AllPlaces) {
        subject_->addItem(PlaceTitle(place));
    }
    subject_->setCurrentIndex(2);
    scale_ = new QComboBox(this);
    scale_->setObjectName(QStringLiteral("PictureScale"));
    for (const int scale : PictureScales) {
        scale_->addItem(tr("%1x").arg(scale), scale);
    }
    scale_->setCurrentIndex(1);
    transparent_ = new QCheckBox(tr("&Transparent background"), this);
    transparent_->setObjectName(QStringLiteral("PictureTransparent"));
    asWritten_ = new QCheckBox(tr("Names as &written, not as the game keeps them"), this);
    asWritten_->setObjectName(QStringLiteral("PictureAsWritten"));
    footnote_ =
        new QCheckBox(tr("&Note under the picture that it is not in the game's charset"), this);
    footnote_->setObjectName(QStringLiteral("PictureFootnote"));

    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("PicturePreview"));
    preview_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll_ = new QScrollArea(this);
    scroll_->setWidget(preview_);
    scroll_->setWidgetResizable(false);
    scroll_->setMinimumSize(480, 120);
    size_ = new QLabel(this);
    size_->setObjectName(QStringLiteral("PictureSize"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("PictureStatus"));
    status_->setWordWrap(true);

    LayOut();
}

// The choices above the picture, its size and status below it, the buttons at the foot.
void PictureDialog::LayOut() {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* save = buttons->addButton(tr("&Save..."), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("PictureSave"));
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("PictureCopy"));
    connect(save, &QPushButton::clicked, this, &PictureDialog::Save);
    connect(copy, &QPushButton::clicked, this, &PictureDialog::Copy);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(tr("S&how:"), subject_);
    form->addRow(tr("Sc&ale:"), scale_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    for (QCheckBox* box : {transparent_, asWritten_, footnote_}) {
        layout->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PictureDialog::Redraw);
    }
    layout->addWidget(scroll_, 1);
    layout->addWidget(size_);
    layout->addWidget(status_);
    layout->addWidget(buttons);
    for (QComboBox* box : {subject_, scale_}) {
        connect(box, &QComboBox::currentIndexChanged, this, &PictureDialog::Redraw);
    }
}

void PictureDialog::SetNames(std::shared_ptr<const NamesReport> names,
                             std::shared_ptr<const GameCharset> charset) {
    names_ = std::move(names);
    charset_ = std::move(charset);
    footnote_->setVisible(!charset_);
    Redraw();
}

void PictureDialog::Redraw() {
    if (!names_) {
        return;
    }
    const Subject subject = Subjects().at(static_cast<std::size_t>(subject_->currentIndex()));
    asWritten_->setEnabled(subject.subject != PictureSubject::Place);
    PictureLook look;
    look.scale = scale_->currentData().toInt();
    look.transparent = transparent_->isChecked();
    if (!charset_ && footnote_->isChecked()) {
        look.footnote = tr("Not in the game's charset: its data was not found.").toStdString();
    }
    picture_ = NamePicture(*names_, subject.subject, subject.place, asWritten_->isChecked(),
                           charset_.get(), look);
    image_ = ToQImage(picture_);
    // Pixel for pixel on the screen, whatever its scale.
    QPixmap pixmap = QPixmap::fromImage(image_);
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    preview_->setPixmap(pixmap);
    preview_->resize(pixmap.deviceIndependentSize().toSize());
    GrowToShow();
    size_->setText(tr("%1 x %2 pixels").arg(image_.width()).arg(image_.height()));
    status_->setText(charset_ ? QString()
                              : tr("The game's charset was not found: the picture is drawn in "
                                   "the desktop's font. Game > Game folder... tells Chromlet "
                                   "where the game is."));
    status_->setVisible(!charset_);
}

// The dialog widens to show the whole picture where the screen has room; it never shrinks by
// itself, so that it does not jump as the choices change.
void PictureDialog::GrowToShow() {
    const int missing = preview_->width() - scroll_->viewport()->width();
    const QScreen* screen = this->screen();
    if (missing <= 0 || !screen) {
        return;
    }
    const QRect available = screen->availableGeometry();
    const QRect wanted(geometry().topLeft(), QSize(width() + missing, height()));
    setGeometry(FittedGeometry(wanted, available, minimumSizeHint()));
}

QString PictureDialog::SuggestedName() const {
    static const char* const Names[] = {"chromlet-name", "chromlet-server", "chromlet-names"};
    const Subject subject = Subjects().at(static_cast<std::size_t>(subject_->currentIndex()));
    const QString base = subject.subject == PictureSubject::Place
                             ? QStringLiteral("chromlet-") +
                                   QString::fromLatin1(PlaceKey(subject.place).data(),
                                                       qsizetype(PlaceKey(subject.place).size()))
                             : QString::fromLatin1(Names[subject_->currentIndex()]);
    const QString folder = QSettings().value(settings::PictureFolder, QDir::homePath()).toString();
    return QDir(folder).filePath(base + QStringLiteral(".png"));
}

bool PictureDialog::Save() {
    QString path = chooser_(this, SuggestedName());
    if (path.isEmpty()) {
        return false;
    }
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".png");
    }
    if (const QString failure = SavePng(picture_, path); !failure.isEmpty()) {
        status_->setText(tr("The picture could not be written to %1: %2. Choose another folder.")
                             .arg(QDir::toNativeSeparators(path), failure));
        status_->setVisible(true);
        return false;
    }
    QSettings().setValue(settings::PictureFolder, QFileInfo(path).absolutePath());
    status_->setText(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
    status_->setVisible(true);
    return true;
}

void PictureDialog::Copy() {
    QApplication::clipboard()->setImage(image_);
    status_->setText(tr("The picture is on the clipboard."));
    status_->setVisible(true);
}

}  // namespace chromlet::ui
