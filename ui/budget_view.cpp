#include "ui/budget_view.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

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

QString LimitToolTip(const CountLimit& limit, const QString& cutText) {
    using K = CountLimit::Kind;
    const QString n = QString::number(limit.limit);
    switch (limit.kind) {
        case K::KeptByGame:
            return limit.over
                       ? QCoreApplication::translate(
                             "chromlet::ui::BudgetView",
                             "The game keeps only the first %1 bytes of a name, colour codes "
                             "included: %2")
                             .arg(n, cutText)
                       : QCoreApplication::translate(
                             "chromlet::ui::BudgetView",
                             "The game keeps up to %1 bytes of a name, colour codes included.")
                             .arg(n);
        case K::SeenByOthers:
            return limit.over
                       ? QCoreApplication::translate(
                             "chromlet::ui::BudgetView",
                             "Other players and server lists see only the first %1 bytes: %2")
                             .arg(n, cutText)
                       : QCoreApplication::translate(
                             "chromlet::ui::BudgetView",
                             "Other players and server lists see up to %1 bytes.")
                             .arg(n);
        case K::SettingsField:
            return limit.over ? QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "The game's Player Settings field holds only %1 characters, "
                                    "codes included: editing the name there cuts it.")
                                    .arg(n)
                              : QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "Fits the %1 characters of the game's Player Settings field.")
                                    .arg(n);
        case K::InGameBrowser:
            return limit.over ? QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "The in-game server browser shows only the first %1 bytes, "
                                    "without colours and in capitals: %2")
                                    .arg(n, cutText)
                              : QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "The in-game server browser shows up to %1 bytes.")
                                    .arg(n);
        case K::IoQ3ServerList:
            return limit.over
                       ? QCoreApplication::translate(
                             "chromlet::ui::BudgetView",
                             "ioquake3's server list shows only the first %1 bytes.")
                             .arg(n)
                       : QCoreApplication::translate("chromlet::ui::BudgetView",
                                                     "ioquake3's server list shows up to %1 bytes.")
                             .arg(n);
        case K::InfoString:
            return limit.over ? QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "The game's settings string holds at most %1 bytes: the game "
                                    "refuses this name.")
                                    .arg(n)
                              : QCoreApplication::translate(
                                    "chromlet::ui::BudgetView",
                                    "Within the %1 bytes of the game's settings string.")
                                    .arg(n);
    }
    return {};
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
        grid->addWidget(lines_[i].counts, i, 0);
        auto* marks = new QHBoxLayout;
        marks->setSpacing(3);
        marks->addStretch();
        lines_[i].dots = new QLabel(this);
        lines_[i].dots->setObjectName(i == 0 ? QStringLiteral("PlayerDots")
                                             : QStringLiteral("ServerDots"));
        lines_[i].dots->hide();
        marks->addWidget(lines_[i].dots);
        // Enough marks for the player name's three limits and the server name's two, and one
        // for the settings string.
        for (int m = 0; m < 4; ++m) {
            auto* mark = new QLabel(this);
            mark->hide();
            marks->addWidget(mark);
            lines_[i].marks.push_back(mark);
        }
        grid->addLayout(marks, i, 1);
    }
    grid->setColumnStretch(1, 1);
    setFont(UiFont(7.5));
}

void BudgetView::SetReports(const NameReport& player, const ServerReport& server) {
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
    line.counts->setText(counts.arg(bytes).arg(visible));
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
    // The whole settings string's bound is far above every other limit; it is only worth a
    // mark where a name goes over it.
    std::vector<CountLimit> shown;
    for (const CountLimit& limit : limits) {
        if (limit.kind != CountLimit::Kind::InfoString || limit.over) {
            shown.push_back(limit);
        }
    }
    for (std::size_t m = 0; m < line.marks.size(); ++m) {
        QLabel* mark = line.marks[m];
        if (m >= shown.size()) {
            mark->hide();
            continue;
        }
        const CountLimit& limit = shown[m];
        mark->setText(MarkText(limit));
        mark->setToolTip(LimitToolTip(limit, cutText(limit.kind)));
        QPalette palette = mark->palette();
        palette.setColor(QPalette::WindowText,
                         limit.over ? WarningColor() : this->palette().color(QPalette::WindowText));
        mark->setPalette(palette);
        QFont font = mark->font();
        font.setBold(limit.over);
        mark->setFont(font);
        mark->show();
    }
}

QColor BudgetView::WarningColor() const {
    return palette().color(QPalette::Window).lightness() < 128 ? QColor(255, 120, 110)
                                                               : QColor(190, 0, 0);
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
