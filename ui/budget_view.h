// The name's budget: how long each name is as the game stores it, held against the target's
// limits, live as the user types.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "core/name_rules.h"

class QLabel;

namespace chromlet::ui {

/// Two lines, one per name: the length in bytes (codes included) and in visible characters, and
/// one mark per limit of the target. A mark over its limit turns to the warning colour, and its
/// tool tip says what happens there. The test release has no known limits: counts only.
class BudgetView : public QWidget {
    Q_OBJECT

  public:
    explicit BudgetView(QWidget* parent = nullptr);

    void SetReports(const NameReport& player, const ServerReport& server);

    /// The counts' text of a line (0 the player name, 1 the server name).
    QString Counts(int line) const;
    /// The limit marks shown on a line, in the order the reports give them (the settings string's
    /// bound only when it is exceeded).
    std::vector<QLabel*> Marks(int line) const;

    /// The colour of a limit that is exceeded: a red that reads on the window's own background,
    /// dark or light.
    QColor WarningColor() const;

  private:
    struct Line {
        QLabel* counts = nullptr;
        QLabel* dots = nullptr;  ///< how many characters arrive as dots, where any do
        std::vector<QLabel*> marks;
    };

    // What is left of the name at a limit of the given kind.
    using CutTextOf = std::function<QString(CountLimit::Kind)>;

    void ShowLine(Line& line, bool player, std::size_t bytes, std::size_t visible, std::size_t dots,
                  const std::vector<CountLimit>& limits, const CutTextOf& cutText);

    Line lines_[2];
};

/// What happens at a limit, for its tool tip; `cutText` is what is left there when the count is
/// over the limit.
QString LimitToolTip(const CountLimit& limit, const QString& cutText);

}  // namespace chromlet::ui
