// Chromlet: makes coloured player and server names for the game and writes them into its
// configuration file.
#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <string_view>

#include "app/translations.h"
#include "chromlet/product.h"
#include "ui/form1.h"

namespace {

QString FromAscii(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Whether the command line asks for text on the terminal only (--help, --version), which must
// work without a display, so before any window system is touched.
bool AsksForTextOnly(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "-h" || arg == "-?" || arg == "--help" || arg == "--help-all" || arg == "-v" ||
            arg == "--version") {
            return true;
        }
    }
    return false;
}

void DescribeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main",
        "Makes coloured player and server names for the game and writes them into its "
        "configuration file q3config.cfg."));
    parser.addHelpOption();
    parser.addVersionOption();
}

// Answers --help or --version from a core application, which needs no display. process()
// prints the text and ends the program; it also reports an unknown option.
int AnswerOnTerminal(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    chromlet::Translations translations(QLocale::system());
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(app);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The target game and the recent names are kept in ~/.config/Chromlet/Chromlet.conf.
    QCoreApplication::setOrganizationName(FromAscii(chromlet::product::Name));
    QCoreApplication::setApplicationName(FromAscii(chromlet::product::Name));
    QCoreApplication::setApplicationVersion(FromAscii(chromlet::product::Version));
    QGuiApplication::setDesktopFileName(FromAscii(chromlet::product::AppId));
    if (AsksForTextOnly(argc, argv)) {
        return AnswerOnTerminal(argc, argv);
    }

    QApplication app(argc, argv);
    chromlet::Translations translations(QLocale::system());
    // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        const QString message =
            QCoreApplication::translate("main", "%1: unexpected argument \"%2\"; try --help\n")
                .arg(QCoreApplication::applicationName(),
                     parser.positionalArguments().constFirst());
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return 1;
    }

    chromlet::ui::Form1 window;
    window.show();
    return QApplication::exec();
}
