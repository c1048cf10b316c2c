// chromlet-engine-check-names: writes random styled names with Chromlet's own encoder and
// ConfigUpdater into fresh configuration files and prints what Chromlet predicts the game makes
// of each, for scripts/engine-check to hold against the real engines.
//
//   chromlet-engine-check-names --target KEY --seed S --count N --homes DIR --config REL
//
// For name i it creates DIR/<i as three digits>/REL (empty), updates it with ConfigUpdater and
// prints one tab-separated line: i, the home folder, the code inside the quotes, the predicted
// name the game module keeps, the predicted server copy (all three in hex, byte for byte), and
// the styles as a person would read them.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "config/config_updater.h"
#include "core/color_code.h"
#include "core/name_rules.h"
#include "core/target_game.h"
#include "tools/engine_check/random_name.h"

namespace {

using namespace chromlet;

struct Options {
    TargetGame target = TargetGame::IoQuake3;
    std::uint32_t seed = 0;
    std::uint32_t count = 0;
    QString homes;
    QString config;
};

// What Chromlet writes for a name and what it says the game makes of it. The encoder's API is
// being reshaped; every call into it is here and nowhere else.
struct Encoded {
    SetaLines lines;
    std::string code;  ///< inside the quotes of the name line
    std::string cleaned;
    std::string seenByOthers;
};

Encoded Encode(TargetGame target, MemoryStyledText player) {
    MemoryStyledText server("Chromlet engine check");
    InitialStyling(server);
    Encoded out;
    out.code = EncodeNames(target, player, server).player;
    out.lines = BuildShowCodeLines(target, player, server);
    const NameReport report = AnalysePlayerName(target, out.code);
    out.cleaned = report.cleaned;
    out.seenByOthers = report.seenByOthers;
    return out;
}

std::string Hex(std::string_view bytes) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += Digits[byte >> 4];
        out += Digits[byte & 15];
    }
    return out;
}

[[noreturn]] void Usage(const char* why) {
    std::fprintf(stderr,
                 "chromlet-engine-check-names: %s\n"
                 "usage: chromlet-engine-check-names --target KEY --seed S --count N "
                 "--homes DIR --config REL\n",
                 why);
    std::exit(2);
}

std::uint32_t Number(const QString& text, const char* what) {
    bool ok = false;
    const unsigned long value = text.toULong(&ok);
    if (!ok || value > 0xFFFFFFFFul) {
        Usage(what);
    }
    return static_cast<std::uint32_t>(value);
}

Options Parse(const QStringList& args) {
    Options options;
    bool haveTarget = false;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size()) {
            Usage("every option takes a value");
        }
        const QString& key = args[i];
        const QString& value = args[i + 1];
        if (key == "--target") {
            const std::optional<TargetGame> target = TargetFromKey(value.toStdString());
            if (!target || CodeFormOf(*target) != CodeForm::Caret) {
                Usage("the target must be a caret target this build knows");
            }
            options.target = *target;
            haveTarget = true;
        } else if (key == "--seed") {
            options.seed = Number(value, "the seed must be a number");
        } else if (key == "--count") {
            options.count = Number(value, "the count must be a number");
        } else if (key == "--homes") {
            options.homes = value;
        } else if (key == "--config") {
            options.config = value;
        } else {
            Usage("unknown option");
        }
    }
    if (!haveTarget || options.homes.isEmpty() || options.config.isEmpty() || options.count == 0 ||
        options.count > 999) {
        Usage("--target, --homes, --config and a count of 1 to 999 are needed");
    }
    return options;
}

// An empty file to start from, as a first start of the game would find none.
bool CreateEmpty(const QString& path) {
    if (!QDir().mkpath(QFileInfo(path).path())) {
        return false;
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const Options options = Parse(QCoreApplication::arguments());
    for (std::uint32_t i = 0; i < options.count; ++i) {
        const MemoryStyledText name = engine_check::RandomStyledName(options.seed, i);
        const Encoded encoded = Encode(options.target, name);
        const QString home = QDir(options.homes).filePath(QString("%1").arg(i, 3, 10, QChar('0')));
        const QString config = QDir(home).filePath(options.config);
        if (!CreateEmpty(config)) {
            std::fprintf(stderr, "chromlet-engine-check-names: cannot create %s\n",
                         qPrintable(config));
            return 1;
        }
        const UpdateResult result =
            ConfigUpdater(config, encoded.lines.name, encoded.lines.server, {options.target});
        if (!result.Ok()) {
            std::fprintf(stderr, "chromlet-engine-check-names: %s\n",
                         qPrintable(DescribeFailure(result)));
            return 1;
        }
        std::printf("%u\t%s\t%s\t%s\t%s\t%s\n", static_cast<unsigned>(i), qPrintable(home),
                    Hex(encoded.code).c_str(), Hex(encoded.cleaned).c_str(),
                    Hex(encoded.seenByOthers).c_str(), engine_check::DescribeStyles(name).c_str());
    }
    return 0;
}
