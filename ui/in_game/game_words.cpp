#include "ui/in_game/game_words.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QStringList>

#include "core/config_limits.h"
#include "ui/common/latin1.h"

namespace chromlet::ui {

QString ChangeText(NameChange change, TargetGame target) {
    switch (change) {
        case NameChange::ArrivedAsDots:
            //: The game's network turns characters 128 to 255 (é, ü, the alternative font) and
            //: "%" into dots.
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "é, ü, % and the alternative font arrive as dots");
        case NameChange::ColorsRemoved:
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "no letter or digit outside black: colours removed");
        case NameChange::BlackRemoved:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "black removed");
        case NameChange::LeadingSpacesDropped:
            return QCoreApplication::translate("chromlet::ui::GamePreview",
                                               "leading spaces dropped");
        case NameChange::SpacesCollapsed:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "spaces cut to three");
        case NameChange::CutToLength:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "cut at %1 bytes")
                .arg(MaxNetName - 1);
        case NameChange::RefusedCharacter:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "\\, ; or \" refused");
        case NameChange::BecameUnnamedPlayer:
            return QCoreApplication::translate("chromlet::ui::GamePreview", "no name left: %1")
                .arg(FromLatin1(RulesOf(target).unnamed));
    }
    return {};
}

QString KeptNote(const NamesReport& names) {
    QStringList reasons;
    for (NameChange change : names.player.changes) {
        reasons << ChangeText(change, names.target);
    }
    return QCoreApplication::translate("chromlet::ui::GamePreview", "The game keeps (%1):")
        .arg(reasons.join(QStringLiteral(", ")));
}

QString ArrivedNote() {
    return QCoreApplication::translate(
        "chromlet::ui::GamePreview",
        "Other players' games receive (é, ü, % and the alternative font arrive as dots):");
}

QString BrowserNote(const NamesReport& names) {
    if (names.server.Has(NameChange::CutToLength)) {
        return QCoreApplication::translate("chromlet::ui::GamePreview",
                                           "In the game's server browser (cut to %1 characters):")
            .arg(RulesOf(names.target).browser.shownChars);
    }
    return QCoreApplication::translate("chromlet::ui::GamePreview",
                                       "In the game's server browser:");
}

QString RefusedServerNameNote() {
    return QCoreApplication::translate(
        "chromlet::ui::GamePreview",
        "The server refuses this name (\\, ; or \"): the browser shows none.");
}

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
            QString text = QCoreApplication::translate("chromlet::ui::BudgetView",
                                                       limit.over ? texts.over : texts.within)
                               .arg(QString::number(limit.limit));
            return text.contains(QLatin1String("%2")) ? text.arg(cutText) : text;
        }
    }
    return {};
}

QString FileToolTip(const QString& path, TargetGame target, std::uint64_t bytes,
                    std::optional<std::uint64_t> firstZero) {
    const QString name = QDir::toNativeSeparators(path);
    const std::uint64_t limit = MaxConfigFileBytes(target);
    const QLocale locale;
    switch (CheckConfigFile(target, bytes, firstZero)) {
        case FileFault::ZeroByte:
            return QCoreApplication::translate(
                       "chromlet::ui::BudgetView",
                       "%1 holds a zero byte at byte %2: the game stops reading the file there, "
                       "so Chromlet will not write the names into it. Remove the zero byte.")
                .arg(name, locale.toString(quint64(*firstZero + 1)));
        case FileFault::TooLarge:
            return QCoreApplication::translate(
                       "chromlet::ui::BudgetView",
                       "With these names %1 would hold %2 bytes, but the game reads a "
                       "configuration file of at most %3 bytes and ignores a longer one "
                       "entirely, so Chromlet will not write it. Shorten the names, use fewer "
                       "colour changes or remove lines the file does not need.")
                .arg(name, locale.toString(quint64(bytes)), locale.toString(quint64(limit)));
        case FileFault::None:
            break;
    }
    return QCoreApplication::translate(
               "chromlet::ui::BudgetView",
               "With these names %1 will hold %2 bytes; the game reads a configuration file of "
               "at most %3 bytes.")
        .arg(name, locale.toString(quint64(bytes)), locale.toString(quint64(limit)));
}

QString DotsToolTip(std::size_t dots) {
    return QCoreApplication::translate(
               "chromlet::ui::BudgetView",
               "Arriving as dots: %1. The game's network turns é, ü, % and every character of the "
               "alternative font into a dot (.), which the game and the other players get.")
        .arg(dots);
}

QString PlaceTitle(GamePlace place) {
    // In the order of GamePlace.
    static constexpr const char* Titles[] = {
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Scoreboard"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Chat"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Console"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Under the crosshair"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Frag message"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Name field of the player settings"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Console, on leaving"),
        QT_TRANSLATE_NOOP("chromlet::ui::InGameWindow", "Server browser"),
    };
    static_assert(std::size(Titles) == AllPlaces.size());
    const auto index = static_cast<std::size_t>(place);
    return index < std::size(Titles)
               ? QCoreApplication::translate("chromlet::ui::InGameWindow", Titles[index])
               : QString();
}

namespace {

// What the in-game server browser shows of the server name.
QString WhatTheBrowserShows(TargetGame target, const PlaceView& view, const ServerReport& server) {
    if (target == TargetGame::Q3Test) {
        return QCoreApplication::translate(
            "chromlet::ui::InGameWindow",
            "The test release's server browser is not known: the name as written.");
    }
    if (server.Has(NameChange::RefusedCharacter)) {
        return RefusedServerNameNote();
    }
    if (RulesOf(target).browser.keepsColors) {
        return QCoreApplication::translate(
                   "chromlet::ui::InGameWindow",
                   "The server name as the players' games receive it: colours kept, "
                   "unprintable characters removed, capitals, %1 characters shown.")
            .arg(view.limit);
    }
    return QCoreApplication::translate(
               "chromlet::ui::InGameWindow",
               "The server name as the players' games receive it: %1 bytes kept, "
               "colours and unprintable characters removed, capitals, %2 characters "
               "shown.")
        .arg(RulesOf(target).browser.keptBytes)
        .arg(view.limit);
}

// What a place shows of the name.
QString WhatShows(TargetGame target, const PlaceView& view, const ServerReport& server) {
    switch (view.place) {
        case GamePlace::Scoreboard:
            return QCoreApplication::translate(
                       "chromlet::ui::InGameWindow",
                       "The name the game keeps, after score, ping and time, big with a shadow; "
                       "your own row lies on a bar. The score %1, the ping %2 and the %3 minutes "
                       "are samples: in the game each row shows its player's own, a newcomer's "
                       "score 0.")
                .arg(SampleScore)
                .arg(SamplePing)
                .arg(SampleMinutes);
        case GamePlace::Chat:
            return QCoreApplication::translate(
                "chromlet::ui::InGameWindow",
                "The name the game keeps, a white \": \" and the text in green, small without a "
                "shadow.");
        case GamePlace::Console:
            return QCoreApplication::translate(
                       "chromlet::ui::InGameWindow",
                       "The name the game keeps and \"connected\", small without a shadow, lines "
                       "of %1 characters.")
                .arg(ConsoleLineChars);
        case GamePlace::Crosshair:
            return QCoreApplication::translate(
                "chromlet::ui::InGameWindow",
                "The name the game keeps, big, centred, half transparent.");
        case GamePlace::FragMessage:
            return QCoreApplication::translate(
                       "chromlet::ui::InGameWindow",
                       "\"You fragged\" and the first %1 bytes of the name the game keeps, "
                       "centred, %2 by %3 units.")
                .arg(view.limit)
                .arg(view.size.width)
                .arg(view.size.height);
        case GamePlace::SettingsField:
            return QCoreApplication::translate(
                       "chromlet::ui::InGameWindow",
                       "Your name as written, not as the game keeps it: black shows white, and "
                       "while the field has the focus the codes show as typed. One can type %1 "
                       "bytes there.")
                .arg(view.limit);
        case GamePlace::Departure:
            return QCoreApplication::translate(
                       "chromlet::ui::InGameWindow",
                       "The server's own copy of the name and \"disconnected\", when the player "
                       "leaves: the first %1 bytes as they arrived, not cleaned, so black and runs "
                       "of spaces stay and a cut can leave a lone ^. The server's status list "
                       "shows the same copy.")
                .arg(view.limit);
        case GamePlace::ServerBrowser:
            break;
    }
    return WhatTheBrowserShows(target, view, server);
}

// What a place does to a name over its limit; nothing for a place without one.
QString WhatCuts(const PlaceView& view) {
    switch (view.place) {
        case GamePlace::Chat:
            return QCoreApplication::translate("chromlet::ui::InGameWindow",
                                               "The chat keeps %1 bytes of the name.")
                .arg(view.limit);
        case GamePlace::SettingsField:
            return QCoreApplication::translate("chromlet::ui::InGameWindow",
                                               "This name is longer.");
        case GamePlace::FragMessage:
        case GamePlace::Departure:
        case GamePlace::ServerBrowser:
            return QCoreApplication::translate("chromlet::ui::InGameWindow",
                                               "This name is cut there.");
        default:
            return {};
    }
}

}  // namespace

QString PlaceNote(const NamesReport& names, const PlaceView& view) {
    const TargetGame target = names.target;
    QStringList sentences{WhatShows(target, view, names.server)};
    if (view.overLimit) {
        sentences << WhatCuts(view);
    }
    if (view.colorRules != RulesOf(target).colorCodes) {
        sentences << (ColorCount(view.colorRules) == 36
                          ? QCoreApplication::translate(
                                "chromlet::ui::InGameWindow",
                                "The engine draws these lines and reads the colour codes by its "
                                "own rule: 36 colours, ^0 to ^9 and ^a to ^z, ^8 orange; the "
                                "game's other places have eight.")
                          : QCoreApplication::translate(
                                "chromlet::ui::InGameWindow",
                                "The engine draws these lines and reads the colour codes by its "
                                "own rule: eight colours, ^8 is black."));
    }
    if (view.offScreen > 0) {
        const int past = static_cast<int>(view.offScreen);
        sentences << QCoreApplication::translate(
            "chromlet::ui::InGameWindow", "%n character(s) lie past the edge of the screen.", "",
            past);
    }
    sentences.removeAll(QString());
    return sentences.join(QLatin1Char(' '));
}

QString TestReleasePlacesNote() {
    return QCoreApplication::translate(
        "chromlet::ui::InGameWindow",
        "The test release's own code is not public: its places follow Quake III Arena 1.32's.");
}

QString AltFontOnlineNote() {
    return QCoreApplication::translate(
        "chromlet::ui::Form1",
        "Online the game shows the alternative font as dots: its network turns every character "
        "128 to 255 into a dot (.) for the game and the other players.");
}

}  // namespace chromlet::ui
