// The name's budget: how long each name is as the game stores it, held against the target's
// limits, live as the user types.
#pragma once

#include <QLabel>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "core/config_limits.h"
#include "core/name_rules.h"

namespace chromlet::ui {

/// The configuration file the names are written into, as an update would leave it.
struct FileBudget {
    QString path;
    TargetGame target = TargetGame::Q3Test;
    std::uint64_t bytes = 0;  ///< after the update, with the names as they are
    std::optional<std::uint64_t> firstZero;
};

/// Two lines, one per name: the length in bytes (codes included) and in visible characters, and
/// one mark per limit of the target worth one (IsWorthAMark). A mark over its limit turns to the
/// warning colour, and its tool tip says what happens there. Where the counts and the marks do not
/// fit a line, the counts give way: the visible count goes first, then the end of the text.
class BudgetView : public QWidget {
    Q_OBJECT

  public:
    explicit BudgetView(QWidget* parent = nullptr);

    void SetReports(const NamesReport& names);

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
        QLayout* row = nullptr;
        std::vector<QLabel*> marks;
    };

    // What is left of the name at a limit of the given kind.
    using CutTextOf = std::function<QString(CountLimit::Kind)>;

    void ShowLine(Line& line, bool player, std::size_t bytes, std::size_t visible, std::size_t dots,
                  const std::vector<CountLimit>& limits, const CutTextOf& cutText);
    void FitCounts(Line& line, const QString& full, const QString& shorter);

    Line lines_[2];
};

/// The configuration file's mark beside the Load button: what q3config.cfg will hold after the
/// update, held against what the game reads (CheckConfigFile); shown where that is worth a mark
/// (IsFileWorthAMark), in the warning colour where the game would not read the file whole.
class FileBudgetView : public QLabel {
    Q_OBJECT

  public:
    explicit FileBudgetView(QWidget* parent = nullptr);
    /// The file the names will be written into; nullopt when none is known.
    void SetFile(const std::optional<FileBudget>& file);
};

/// Shows `text` in a limit mark, in the warning colour and bold when `over`.
void ShowMark(QLabel* mark, const QString& text, const QString& toolTip, bool over);

/// The colour of a limit that is exceeded: a red that reads on `widget`'s background, dark or
/// light.
QColor WarningColorOf(const QWidget& widget);

}  // namespace chromlet::ui
