#include "ui/budget_view.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>

#include "ui/latin1.h"
#include "ui/ui_font.h"

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

namespace {

// What each limit says: within it, and over it (%1 the limit, %2 what is left there).
struct LimitTexts {
    CountLimit::Kind kind;
    const char* within;
    const char* over;
};

constexpr LimitTexts LimitTable[] = {
    {CountLimit::Kind::KeptByGame,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The game keeps up to %1 bytes of a name, colour codes included."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The game keeps only the first %1 bytes of a name, colour codes "
                       "included: %2")},
    {CountLimit::Kind::SeenByOthers,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Other players and server lists see up to %1 bytes."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Other players and server lists see only the first %1 bytes: %2")},
    {CountLimit::Kind::SettingsField,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Fits the %1 characters of the game's Player Settings field."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The game's Player Settings field holds only %1 characters, codes "
                       "included: editing the name there cuts it.")},
    {CountLimit::Kind::InGameBrowser,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The in-game server browser shows up to %1 bytes."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The in-game server browser shows only the first %1 bytes, without "
                       "colours and in capitals: %2")},
    {CountLimit::Kind::IoQ3ServerList,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView", "ioquake3's server list shows up to %1 bytes."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "ioquake3's server list shows only the first %1 bytes.")},
    {CountLimit::Kind::InfoString,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Within the %1 bytes of the game's settings string."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "The game's settings string holds at most %1 bytes: the game refuses this "
                       "name.")},
    {CountLimit::Kind::ConfigLine,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Its configuration line holds up to %1 bytes of the name, colour codes "
                       "included: the game reads 1,023 bytes of a line."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "Its configuration line holds only %1 bytes of the name: the game reads "
                       "1,023 bytes of a line and runs the rest as console commands, so Chromlet "
                       "will not write it. Shorten the name, or use fewer colour changes.")},
    {CountLimit::Kind::ServerInfoRoom,
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "A server keeps its name in one settings string of 1,023 bytes with all "
                       "its other settings; a default server leaves %1 bytes for the name."),
     QT_TRANSLATE_NOOP("chromlet::ui::BudgetView",
                       "A server keeps its name in one settings string of 1,023 bytes with all "
                       "its other settings; a default server leaves %1 bytes for the name. A "
                       "longer name pushes settings out of it, first the version, then limits, "
                       "the game type and the map (players' games then take the game type for "
                       "free for all). A name set on the command line or kept in the server's "
                       "q3config.cfg is left out itself instead.")},
};

}  // namespace

QString LimitToolTip(const CountLimit& limit, const QString& cutText) {
    for (const LimitTexts& texts : LimitTable) {
        if (texts.kind == limit.kind) {
            QString text = BudgetView::tr(limit.over ? texts.over : texts.within)
                               .arg(QString::number(limit.limit));
            return text.contains(QLatin1String("%2")) ? text.arg(cutText) : text;
        }
    }
    return {};
}

QString FileToolTip(const FileBudget& file) {
    const QString name = QDir::toNativeSeparators(file.path);
    const std::uint64_t limit = MaxConfigFileBytes(file.target);
    const QLocale locale;
    switch (CheckConfigFile(file.target, file.bytes, file.firstZero)) {
        case FileFault::ZeroByte:
            return BudgetView::tr(
                       "%1 holds a zero byte at byte %2: the game stops reading the file there, "
                       "so Chromlet will not write the names into it. Remove the zero byte.")
                .arg(name, locale.toString(quint64(*file.firstZero + 1)));
        case FileFault::TooLarge:
            return BudgetView::tr(
                       "With these names %1 would hold %2 bytes, but the game reads a "
                       "configuration file of at most %3 bytes and ignores a longer one "
                       "entirely, so Chromlet will not write it. Shorten the names, use fewer "
                       "colour changes or remove lines the file does not need.")
                .arg(name, locale.toString(quint64(file.bytes)), locale.toString(quint64(limit)));
        case FileFault::None:
            break;
    }
    return BudgetView::tr(
               "With these names %1 will hold %2 bytes; the game reads a configuration file of "
               "at most %3 bytes.")
        .arg(name, locale.toString(quint64(file.bytes)), locale.toString(quint64(limit)));
}

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
    line.dots->setToolTip(
        dots > 0 ? tr("Arriving as dots: %1. The game's network turns é, ü, % and every character "
                      "of the alternative font into a dot (.), which the game and the other "
                      "players get.")
                       .arg(dots)
                 : QString());
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
             FileToolTip(*file), over);
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
