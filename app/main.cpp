// Chromlet: makes coloured player and server names for the game and writes them into its
// configuration file.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "app/translations.h"
#include "chromlet/product.h"
#include "ui/common/latin1.h"
#include "ui/main_window/form1.h"

namespace {

using chromlet::ui::FromLatin1;

// Qt's own options, which QGuiApplication, QApplication and the X11 platform plugin take out of
// the arguments as they start (Qt 6.4). The parser knows them too, hidden from --help, so that
// the command line can be judged before any of them starts; they still reach QApplication.
constexpr std::string_view QtValueOptions[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowtitle",       "qwindowicon",   "session",
    "style",           "stylesheet",         "display",       "name",
    "visual",          "geometry",           "title",         "icon"};
constexpr std::string_view QtFlagOptions[] = {"reverse", "testability", "widgetcount", "nograb",
                                              "dograb",  "qdevel",      "qdebug"};

void AddHiddenOption(QCommandLineParser& parser, std::string_view name, bool takesValue) {
    QCommandLineOption option(FromLatin1(name));
    if (takesValue) {
        option.setValueName(QStringLiteral("value"));
    }
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
}

void DescribeCommandLine(QCommandLineParser& parser) {
    // Qt's options are single words after a single dash (-platform, -style=Fusion).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main",
        "Makes coloured player and server names for the game and writes them into its "
        "configuration file q3config.cfg."));
    parser.addHelpOption();
    parser.addVersionOption();
    for (std::string_view name : QtValueOptions) {
        AddHiddenOption(parser, name, true);
    }
    for (std::string_view name : QtFlagOptions) {
        AddHiddenOption(parser, name, false);
    }
}

void PrintError(const QString& message) {
    std::fputs(message.toLocal8Bit().constData(), stderr);
}

// Whether Qt may find a display for the window, as far as the environment tells before any
// connection is tried. Without a platform chosen by -platform or QT_QPA_PLATFORM (offscreen,
// vnc, ...; Qt judges those itself), Qt picks Wayland when WAYLAND_DISPLAY is set or the session
// is a Wayland one, and otherwise X11, which needs DISPLAY or -display.
bool MayHaveDisplay(const QCommandLineParser& parser) {
    return parser.isSet(QStringLiteral("platform")) || parser.isSet(QStringLiteral("display")) ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qgetenv("XDG_SESSION_TYPE") == "wayland";
}

// Checks the command line on a core application, which needs no display, and answers whatever
// is to be answered on the terminal: --help, --version, a mistake, a missing display. Returns
// the exit status then; nothing when the window is to open.
std::optional<int> AnswerOnTerminal() {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    const QStringList arguments = QCoreApplication::arguments();
    const QString name = QCoreApplication::applicationName();
    if (!parser.parse(arguments)) {
        PrintError(QStringLiteral("%1: %2\n").arg(name, parser.errorText()));
        return 1;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
        parser.isSet(QStringLiteral("version"))) {
        parser.process(arguments);  // prints the text and ends the program
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        PrintError(
            QCoreApplication::translate("main", "%1: unexpected argument \"%2\"; try --help\n")
                .arg(name, parser.positionalArguments().constFirst()));
        return 1;
    }
    if (!MayHaveDisplay(parser)) {
        PrintError(QCoreApplication::translate(
                       "main",
                       "%1: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY "
                       "is set. Start it in a desktop session (--help and --version need none).\n")
                       .arg(name));
        return 1;
    }
    return std::nullopt;
}

// Qt aborts the program when no platform plugin can start, for instance when DISPLAY names a
// display that cannot be reached. While QApplication starts, that last message becomes a line
// of ours and exit status 1; Qt's messages before it, which say what failed, still show.
QtMessageHandler qtMessageHandler = nullptr;
QByteArray noWindowMessage;

void ExitWithoutWindow(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type != QtFatalMsg) {
        qtMessageHandler(type, context, text);
        return;
    }
    std::fputs(noWindowMessage.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The target game and the recent names are kept in ~/.config/Chromlet/Chromlet.conf.
    QCoreApplication::setOrganizationName(FromLatin1(chromlet::product::Name));
    QCoreApplication::setApplicationName(FromLatin1(chromlet::product::Name));
    QCoreApplication::setApplicationVersion(FromLatin1(chromlet::product::Version));
    QGuiApplication::setDesktopFileName(FromLatin1(chromlet::product::AppId));
    {
        QCoreApplication core(argc, argv);
        chromlet::Translations translations(QLocale::system());
        if (const std::optional<int> status = AnswerOnTerminal()) {
            return *status;
        }
        noWindowMessage =
            QCoreApplication::translate("main",
                                        "%1: could not connect to a display (see the messages "
                                        "above); check DISPLAY, WAYLAND_DISPLAY or "
                                        "QT_QPA_PLATFORM.\n")
                .arg(QCoreApplication::applicationName())
                .toLocal8Bit();
    }

    qtMessageHandler = qInstallMessageHandler(ExitWithoutWindow);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    chromlet::Translations translations(QLocale::system());

    chromlet::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
