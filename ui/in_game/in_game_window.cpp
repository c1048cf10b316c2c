#include "ui/in_game/in_game_window.h"

#include "config/settings_keys.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <cmath>

#include "ui/common/packed_color.h"
#include "ui/common/ui_font.h"
#include "ui/common/window_fit.h"
#include "ui/in_game/charset_painter.h"
#include "ui/in_game/charset_source.h"
#include "ui/in_game/game_words.h"

namespace chromlet::ui {

namespace {

constexpr int Margin = 8;

QFont TitleFont() {
    return UiFont(9, true);
}

QFont NoteFont() {
    return UiFont(8.25);
}

}  // namespace

InGameView::InGameView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("InGameView"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Always there, so that the strips' scale does not change when it would come and go.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

void InGameView::SetPlaces(std::vector<PlaceView> places, QStringList titles, QStringList notes) {
    places_ = std::move(places);
    titles_ = std::move(titles);
    notes_ = std::move(notes);
    Relayout();
    viewport()->update();
}

void InGameView::SetCharset(std::shared_ptr<const GameCharset> charset) {
    charset_ = std::move(charset);
    viewport()->update();
}

void InGameView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Relayout();
}

// The strips take the whole width: the game's 640 units scaled to it. Each strip holds its
// place's lines, a little of the screen above and below them, and its shadow.
void InGameView::Relayout() {
    const int width = viewport()->width();
    scale_ = std::max(0.25, (width - 2 * Margin) / qreal(VirtualScreenWidth));
    const QFontMetrics title(TitleFont());
    const QFontMetrics note(NoteFont());
    bands_.clear();
    int y = Margin;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const PlaceView& place = places_[i];
        Band band;
        const QRect noteRect =
            note.boundingRect(QRect(0, 0, std::max(1, width - 2 * Margin), INT_MAX / 2),
                              Qt::TextWordWrap, notes_.value(static_cast<qsizetype>(i)));
        band.text = QRect(Margin, y, width - 2 * Margin, title.height() + noteRect.height());
        y = band.text.bottom() + 1 + StripPadding;
        const ScreenRect frame = FrameOf(place, true);
        band.top = frame.y;
        band.strip = QRectF(Margin, y, VirtualScreenWidth * scale_, frame.height * scale_);
        y += static_cast<int>(std::ceil(band.strip.height())) + 3 * Margin / 2;
        bands_.push_back(band);
    }
    verticalScrollBar()->setRange(0, std::max(0, y - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(title.lineSpacing());
}

QRectF InGameView::GlyphRect(int place, int line, int glyph) const {
    const PlaceView& view = places_.at(static_cast<std::size_t>(place));
    const GlyphLine& at = view.lines.at(static_cast<std::size_t>(line));
    const Band& band = bands_.at(static_cast<std::size_t>(place));
    return QRectF(band.strip.left() + (at.x + glyph * view.size.width) * scale_,
                  band.strip.top() + (at.y - band.top) * scale_ - verticalScrollBar()->value(),
                  view.size.width * scale_, view.size.height * scale_);
}

void InGameView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().window());
    const int scroll = verticalScrollBar()->value();
    painter.translate(0, -scroll);
    const QRect visible = viewport()->rect().translated(0, scroll);
    const QFontMetrics title(TitleFont());
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        const Band& band = bands_[i];
        if (!visible.intersects(band.text.united(band.strip.toAlignedRect()))) {
            continue;
        }
        painter.setPen(palette().windowText().color());
        painter.setFont(TitleFont());
        painter.drawText(band.text, Qt::AlignLeft | Qt::AlignTop, titles_.value(qsizetype(i)));
        painter.setFont(NoteFont());
        painter.drawText(band.text.adjusted(0, title.height(), 0, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         notes_.value(qsizetype(i)));

        DrawPlace(painter, band, places_[i]);
    }
}

// The place's strip of the game's screen, drawn at the game's virtual size and scaled down.
void InGameView::DrawPlace(QPainter& painter, const Band& band, const PlaceView& place) const {
    painter.fillRect(band.strip, ToQColor(ScreenGround));
    painter.save();
    painter.setClipRect(band.strip);
    painter.translate(band.strip.topLeft());
    painter.scale(scale_, scale_);
    painter.translate(0, -band.top);
    if (place.fill) {
        QColor color = ToQColor(place.fill->color);
        color.setAlpha(place.fill->alpha);
        painter.fillRect(QRect(place.fill->x, place.fill->y, place.fill->width, place.fill->height),
                         color);
    }
    const GlyphLook look{QSizeF(place.size.width, place.size.height),
                         place.shadow ? qreal(ShadowOffset) : 0, place.alpha};
    for (const GlyphLine& line : place.lines) {
        // Only what lies on the screen: a name can run far past its edge.
        const int w = place.size.width;
        const auto count = static_cast<int>(line.glyphs.size());
        const int first = std::clamp((-line.x - ShadowOffset) / w, 0, count);
        const int last = std::clamp((VirtualScreenWidth - line.x) / w + 1, first, count);
        DrawGlyphs(painter, charset_.get(), QPointF(line.x + first * w, line.y),
                   std::span(line.glyphs)
                       .subspan(static_cast<std::size_t>(first),
                                static_cast<std::size_t>(last - first)),
                   look);
    }
    painter.restore();
}

InGameWindow::InGameWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("InGameWindow"));
    setWindowTitle(tr("In game"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("InGameStatus"));
    problems_ = new QLabel(this);
    problems_->setObjectName(QStringLiteral("InGameProblems"));
    for (QLabel* label : {status_, problems_}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    problems_->hide();
    view_ = new InGameView(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(problems_);
    layout->addWidget(view_, 1);
    setMinimumSize(320, 240);
    resize(720, 680);
    placed_ = restoreGeometry(QSettings().value(settings::InGameWindowGeometry).toByteArray());
    // As every viewer window closes.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }
}

void InGameWindow::ShowBeside(const QWidget* owner) {
    if (!isVisible()) {
        FitOnScreen(this, owner, placed_);
        placed_ = true;
    }
    show();
    raise();
}

InGameWindow::~InGameWindow() {
    if (isVisible()) {
        QSettings().setValue(settings::InGameWindowGeometry, saveGeometry());
    }
}

void InGameWindow::hideEvent(QHideEvent* event) {
    QSettings().setValue(settings::InGameWindowGeometry, saveGeometry());
    QWidget::hideEvent(event);
}

void InGameWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        Refresh();
    }
}

void InGameWindow::SetNames(std::shared_ptr<const NamesReport> names) {
    names_ = std::move(names);
    stale_ = true;
    if (isVisible()) {
        Refresh();
    }
}

void InGameWindow::SetCharset(const CharsetState& state) {
    status_->setText(state.status);
    problems_->setText(state.problems);
    problems_->setVisible(!state.problems.isEmpty());
    view_->SetCharset(state.charset);
}

QString InGameWindow::Status() const {
    return status_->text();
}

QString InGameWindow::Problems() const {
    return problems_->text();
}

void InGameWindow::Refresh() {
    if (!names_) {
        return;
    }
    std::vector<PlaceView> places = ViewsOf(*names_);
    QStringList titles;
    QStringList notes;
    for (const PlaceView& place : places) {
        titles << PlaceTitle(place.place);
        notes << PlaceNote(*names_, place);
    }
    if (names_->target == TargetGame::Q3Test && !notes.isEmpty()) {
        // Said once, above the first place.
        notes.front().prepend(TestReleasePlacesNote() + QLatin1Char(' '));
    }
    view_->SetPlaces(std::move(places), std::move(titles), std::move(notes));
    stale_ = false;
}

}  // namespace chromlet::ui
