// The chosen game's charset, read from the player's own game data once a session, and the game
// folder the player pointed Chromlet at, remembered per game.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <memory>

#include "core/target_game.h"
#include "system/game_folders.h"
#include "ui/in_game/charset_painter.h"

class QWidget;

namespace chromlet::ui {

/// The settings key under which the game folder of a target is remembered: "gameFolder/" and the
/// target's key.
QString GameFolderSettingsKey(TargetGame target);

/// What came of looking for a target's charset.
struct CharsetState {
    std::shared_ptr<const GameCharset> charset;  ///< null when none can be used
    /// One line: where the charset came from, or where Chromlet looked and how to point it at
    /// the game.
    QString status;
    /// One line naming archives that could not be read and were passed over; empty for none.
    QString problems;
};

/// The data folders of a target: where its engine looks, with the folder the player chose (empty
/// for none) in place of the install folders. The program's own looks at this machine.
using DataFolderFinder =
    std::function<DataFolders(TargetGame target, const std::string& chosenFolder)>;
DataFolders DataFoldersHere(TargetGame target, const std::string& chosenFolder);

/// Asks for a folder; empty when the user cancelled.
using FolderChooser =
    std::function<QString(QWidget* parent, const QString& title, const QString& start)>;
QString DefaultFolderChooser(QWidget* parent, const QString& title, const QString& start);

class CharsetSource : public QObject {
    Q_OBJECT

  public:
    explicit CharsetSource(QObject* parent = nullptr);

    /// Where the folders are found (tests give folders of their own); looks again next time.
    void SetDataFolderFinder(DataFolderFinder finder);
    void SetFolderChooser(FolderChooser chooser) { chooser_ = std::move(chooser); }

    /// The target's charset, read from its data the first time it is asked for this session.
    const CharsetState& StateFor(TargetGame target);

    /// The folder the player chose for the target; empty for none.
    static QString ChosenFolder(TargetGame target);

    /// Asks for the target's game folder, remembers the answer and reads the charset from it.
    void ChooseFolder(TargetGame target, QWidget* parent);

  signals:
    /// The charset of `target` may have changed: a new folder, or a new finder.
    void Changed(TargetGame target);

  private:
    CharsetState Find(TargetGame target) const;

    DataFolderFinder finder_ = DataFoldersHere;
    FolderChooser chooser_ = DefaultFolderChooser;
    std::map<TargetGame, CharsetState> found_;
};

}  // namespace chromlet::ui
