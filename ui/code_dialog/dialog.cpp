#include "ui/code_dialog/dialog.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolTip>
#include <QValidator>

#include <limits>

#include "config/config_updater.h"
#include "core/char_rules.h"
#include "core/config_limits.h"
#include "ui/code_dialog/escape_marks.h"
#include "ui/code_dialog/game_running_check.h"
#include "ui/common/control_table.h"
#include "ui/common/latin1.h"
#include "ui/common/texts.h"
#include "ui/common/twips.h"
#include "ui/common/ui_font.h"

namespace chromlet::ui {

namespace {

using K = ControlKind;

constexpr ControlSpec Layout[] = {
    {"Text1", K::TextBox, "", 75, 135, 4515, 315},
    {"Text2", K::TextBox, "", 75, 510, 4515, 315},
    {"Frame3", K::HorizontalDivider, "", 45, 930, 4560, 30},
    {"Command1", K::Button,
     QT_TRANSLATE_NOOP("chromlet::ui::Dialog", "Add Chromlet to q3config.cfg"), 930, 1080, 2625,
     345},
    {"OKButton", K::Button, QT_TRANSLATE_NOOP("chromlet::ui::Dialog", "OK"), 3660, 1065, 915, 375},
};

constexpr int ClientWidth = 4695;
constexpr int ClientHeight = 1575;

// How long the update button says that the file was written.
constexpr int ConfirmationMilliseconds = 6000;

// The boxes take what a configuration line may hold, and nothing else.
class ConfigLineValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            if (!IsConfigLineChar(c.unicode())) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

}  // namespace

Dialog::Dialog(FileChooser chooser, QWidget* parent)
    : QDialog(parent), chooser_(std::move(chooser)), cmd_(StoredChooserSettings()) {
    setWindowTitle(tr(DialogCaption));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(Twips(ClientWidth), Twips(ClientHeight));
    setFont(UiFont());
    setSizeGripEnabled(false);

    for (const ControlSpec& control : Layout) {
        CreateControl(control, this);
    }
    text1_ = findChild<QLineEdit*>(QStringLiteral("Text1"));
    text2_ = findChild<QLineEdit*>(QStringLiteral("Text2"));
    text1_->setAccessibleName(tr("Player name line"));
    text2_->setAccessibleName(tr("Server name line"));
    for (QLineEdit* box : {text1_, text2_}) {
        box->setMaxLength(std::numeric_limits<int>::max());
        box->setValidator(new ConfigLineValidator(box));
        new EscapeMarks(box);
        normalPalette_ = box->palette();
        connect(box, &QLineEdit::textChanged, this, [this, box] { ShowLineLength(box); });
    }
    auto* command1 = findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* ok = findChild<QPushButton*>(QStringLiteral("OKButton"));
    command1->setToolTip(tr(UpdateToolTip));
    command1_ = command1;
    updateCaption_ = command1->text();
    confirmation_.setSingleShot(true);
    connect(&confirmation_, &QTimer::timeout, this, &Dialog::EndConfirmation);
    // Neither button is the default: Enter in a text box must not write the file.
    for (QPushButton* button : {command1, ok}) {
        button->setDefault(false);
        button->setAutoDefault(false);
    }
    connect(command1, &QPushButton::clicked, this, &Dialog::Command1_Click);
    connect(ok, &QPushButton::clicked, this, &Dialog::OKButton_Click);

    setTabOrder(ok, text1_);
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1);
    ok->setFocus(Qt::OtherFocusReason);
}

// Both boxes show the start of their line, "seta name ...", not its end.
void Dialog::SetText1(const std::string& line) {
    text1_->setText(FromLatin1(line));
    text1_->setCursorPosition(0);
}
void Dialog::SetText2(const std::string& line) {
    text2_->setText(FromLatin1(line));
    text2_->setCursorPosition(0);
}
std::string Dialog::Text1() const {
    return ToLatin1(text1_->text());
}
std::string Dialog::Text2() const {
    return ToLatin1(text2_->text());
}

// A line the game would cut turns red, with a tool tip that says why, as soon as it is there:
// the update refuses it.
void Dialog::ShowLineLength(QLineEdit* box) {
    const std::size_t bytes = ToLatin1(box->text()).size();
    if (IsLineReadWhole(ToLatin1(box->text()))) {
        box->setPalette(normalPalette_);
        box->setToolTip(QString());
        return;
    }
    QPalette warning = normalPalette_;
    warning.setColor(QPalette::Base, QColor(255, 214, 214));
    warning.setColor(QPalette::Text, Qt::black);
    box->setPalette(warning);
    box->setToolTip(tr("This line has %L1 bytes, but the game reads at most %L2 bytes of a line "
                       "and runs the rest as console commands: it cannot be written. Shorten "
                       "the name, or use fewer colour changes.")
                        .arg(bytes)
                        .arg(MaxConfigLineBytes));
}

void Dialog::Command1_Click() {
    // Lines the game would not read as written are refused before a file is asked for.
    if (const UpdateResult refused = CheckNewLines(Text1(), Text2()); !refused.Ok()) {
        ShowFailure(refused, tr("Could not write the lines"));
        return;
    }
    const QString path = ChooseExistingFile(chooser_, this, cmd_);
    if (path.isEmpty()) {
        return;  // cancelled: nothing is written
    }
    if (!ConfirmWriteWhileGameRuns(this, path, runningGames_)) {
        return;  // the game would overwrite the file when it quits; the user waits
    }
    UpdateOptions options{target_, false};
    UpdateResult result = ConfigUpdater(path, Text1(), Text2(), options);
    if (result.IsReadOnlyRefusal()) {
        EndConfirmation();
        if (!AskToWriteReadOnly(result)) {
            return;  // Cancel: nothing is written
        }
        options.writeReadOnly = true;
        result = ConfigUpdater(path, Text1(), Text2(), options);
    }
    if (!result.Ok()) {
        ShowFailure(result, tr("Could not update %1").arg(QFileInfo(path).fileName()));
        return;
    }
    Confirm(result);
    emit LinesWritten(path, Text1(), Text2());
}

void Dialog::ShowFailure(const UpdateResult& result, const QString& title) {
    EndConfirmation();
    QMessageBox box(QMessageBox::Warning, title, DescribeFailure(result), QMessageBox::Close, this);
    box.setObjectName(QStringLiteral("UpdateFailedNote"));
    box.exec();
}

// Success needs no box to click away: for a moment the button itself says that the file was
// written, and a note beside it names the file and its copy.
void Dialog::Confirm(const UpdateResult& result) {
    const QFileInfo config(result.configPath);
    confirmationNote_ = tr("Written to %1; the previous contents are in %2.")
                            .arg(QDir::toNativeSeparators(config.absoluteFilePath()),
                                 QFileInfo(result.sidePath).fileName());
    const QString caption = tr("\u2713 Written to %1").arg(config.fileName());
    command1_->setText(
        command1_->fontMetrics().elidedText(caption, Qt::ElideMiddle, command1_->width() - 12));
    command1_->setToolTip(confirmationNote_);
    QToolTip::showText(command1_->mapToGlobal(QPoint(0, command1_->height() + 2)),
                       confirmationNote_, command1_, {}, ConfirmationMilliseconds);
    confirmation_.start(ConfirmationMilliseconds);
}

void Dialog::EndConfirmation() {
    confirmation_.stop();
    command1_->setText(updateCaption_);
    command1_->setToolTip(tr(UpdateToolTip));
}

// A read-only config is often so on purpose; writing it anyway keeps it read-only. Cancel, the
// default, writes nothing.
bool Dialog::AskToWriteReadOnly(const UpdateResult& refusal) {
    QMessageBox box(QMessageBox::Question,
                    tr("%1 is read-only").arg(QFileInfo(refusal.configPath).fileName()),
                    DescribeFailure(refusal), QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("ReadOnlyQuestion"));
    return AskToWriteAnyway(box);
}

void Dialog::OKButton_Click() {
    accept();
}

}  // namespace chromlet::ui
