#include "ui/in_game/budget_view.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

#include "ui/common/latin1.h"
#include "ui/common/ui_font.h"
#include "ui/in_game/game_words.h"

namespace chromlet::ui {

namespace {

// Most limits are bytes; the settings field counts characters, codes included, which for these
// one-byte characters comes to the same.
QString MarkText(const CountLimit& limit) {
    return (limit.over ? QStringLiteral(">%1") : QStringLiteral("\u2264%1")).arg(limit.limit);
}

// Codes and raised characters are shown as the bytes they are, with anything unprintable as a
// dot, so the tool tip shows exactly where the cut falls.
QString Printable(const std::string& bytes) {
    QString out = FromLatin1(bytes);
    for (QChar& c : out) {
        if (c.unicode() < 32 || (c.unicode() >= 127 && c.unicode() < 160)) {
            c = QLatin1Char('.');
        }
    }
    return out;
}

}  // namespace

BudgetView::BudgetView(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < 2; ++i) {
        lines_[i].counts = new QLabel(this);
        lines_[i].counts->setObjectName(i == 0 ? QStringLiteral("PlayerCounts")
                                               : QStringLiteral("ServerCounts"));
        // The counts take what the marks leave them (FitCounts).
        lines_[i].counts->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(lines_[i].counts, i, 0);
        auto* marks = new QHBoxLayout;
        marks->setSpacing(3);
        marks->addStretch();
        lines_[i].dots = new QLabel(this);
        lines_[i].dots->setObjectName(i == 0 ? QStringLiteral("PlayerDots")
                                             : QStringLiteral("ServerDots"));
        lines_[i].dots->hide();
        marks->addWidget(lines_[i].dots);
        // Enough marks for every limit a name has.
        for (int m = 0; m < 5; ++m) {
            auto* mark = new QLabel(this);
            mark->hide();
            marks->addWidget(mark);
            lines_[i].marks.push_back(mark);
        }
        grid->addLayout(marks, i, 1);
        lines_[i].row = marks;
    }
    grid->setColumnStretch(0, 1);
    setFont(UiFont(7.5));
}

void BudgetView::SetReports(const NamesReport& names) {
    const NameReport& player = names.player;
    const ServerReport& server = names.server;
    ShowLine(lines_[0], true, player.bytes, player.visible, player.dots, player.limits,
             [&](CountLimit::Kind kind) {
                 return Printable(kind == CountLimit::Kind::SeenByOthers ? player.seenByOthers
                                                                         : player.cleaned);
             });
    ShowLine(lines_[1], false, server.bytes, server.visible, server.dots, server.limits,
             [&](CountLimit::Kind) { return Printable(server.browserView); });
    // Lay the new texts out now rather than on the next pass of the event loop, so that the
    // widget never shows a count cut to the previous text's width.
    layout()->activate();
}

void BudgetView::ShowLine(Line& line, bool player, std::size_t bytes, std::size_t visible,
                          std::size_t dots, const std::vector<CountLimit>& limits,
                          const CutTextOf& cutText) {
    //: The counts' line: the name's length in bytes (colour codes included) and in characters
    //: drawn.
    const QString counts =
        player ? tr("Name: %1 bytes, %2 visible") : tr("Server: %1 bytes, %2 visible");
    //: The counts' line where the whole does not fit beside the marks.
    const QString shorter = player ? tr("Name: %1 bytes") : tr("Server: %1 bytes");
    // The characters that arrive as dots get a mark of their own, first, as short as a limit's.
    // A hidden mark says nothing, to a screen reader either.
    line.dots->setVisible(dots > 0);
    line.dots->setText(dots > 0 ? QStringLiteral("%1\u00D7.").arg(dots) : QString());
    line.dots->setToolTip(dots > 0 ? DotsToolTip(dots) : QString());
    QPalette dotsPalette = line.dots->palette();
    dotsPalette.setColor(QPalette::WindowText, WarningColor());
    line.dots->setPalette(dotsPalette);
    std::vector<CountLimit> shown;
    for (const CountLimit& limit : limits) {
        if (IsWorthAMark(limit)) {
            shown.push_back(limit);
        }
    }
    for (std::size_t m = 0; m < line.marks.size(); ++m) {
        if (m >= shown.size()) {
            line.marks[m]->hide();
            continue;
        }
        const CountLimit& limit = shown[m];
        ShowMark(line.marks[m], MarkText(limit), LimitToolTip(limit, cutText(limit.kind)),
                 limit.over);
    }
    FitCounts(line, counts.arg(bytes).arg(visible), shorter.arg(bytes));
}

// The marks keep their room; the counts take what the layout leaves them, in full where they fit.
void BudgetView::FitCounts(Line& line, const QString& full, const QString& shorter) {
    line.counts->setText(full);
    line.counts->setToolTip(QString());
    line.counts->setAccessibleName(full);
    layout()->activate();
    const int room = line.counts->width();
    const QFontMetrics metrics(line.counts->font());
    if (metrics.horizontalAdvance(full) <= room) {
        return;
    }
    line.counts->setText(metrics.elidedText(shorter, Qt::ElideRight, room));
    line.counts->setToolTip(full);
}

void ShowMark(QLabel* mark, const QString& text, const QString& toolTip, bool over) {
    mark->setText(text);
    mark->setToolTip(toolTip);
    QPalette palette = mark->palette();
    palette.setColor(
        QPalette::WindowText,
        over ? WarningColorOf(*mark) : mark->parentWidget()->palette().color(QPalette::WindowText));
    mark->setPalette(palette);
    QFont font = mark->font();
    font.setBold(over);
    mark->setFont(font);
    mark->show();
}

FileBudgetView::FileBudgetView(QWidget* parent) : QLabel(parent) {
    setFont(UiFont(7.5));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hide();
}

void FileBudgetView::SetFile(const std::optional<FileBudget>& file) {
    if (!file || !IsFileWorthAMark(file->target, file->bytes, file->firstZero)) {
        hide();
        return;
    }
    const bool over =
        CheckConfigFile(file->target, file->bytes, file->firstZero) != FileFault::None;
    //: The configuration file's mark: at most (or more than) so many bytes.
    ShowMark(this,
             (over ? tr("file >%1") : tr("file \u2264%1")).arg(MaxConfigFileBytes(file->target)),
             FileToolTip(file->path, file->target, file->bytes, file->firstZero), over);
}

QColor WarningColorOf(const QWidget& widget) {
    return widget.palette().color(QPalette::Window).lightness() < 128 ? QColor(255, 120, 110)
                                                                      : QColor(190, 0, 0);
}

QColor BudgetView::WarningColor() const {
    return WarningColorOf(*this);
}

QString BudgetView::Counts(int line) const {
    return lines_[line].counts->text();
}

std::vector<QLabel*> BudgetView::Marks(int line) const {
    std::vector<QLabel*> shown;
    for (QLabel* mark : lines_[line].marks) {
        if (!mark->isHidden()) {
            shown.push_back(mark);
        }
    }
    return shown;
}

}  // namespace chromlet::ui
