// Exporting pictures at 4x: both names and every place of the game, drawn from OpenArena's
// charset where it is installed (else the tests' charset) and encoded as PNG files, in the window's
// code (goal: all of them under 50 ms) and as whole chromlet-name picture processes, start-up
// included (goal: each under 100 ms). Best and median of several runs.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCHROMLET_BUILD_BENCH=ON
//   cmake --build build-bench --target picture_bench
//   QT_QPA_PLATFORM=offscreen build-bench/bench/picture_bench
#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "core/name_rules.h"
#include "spawn.h"
#include "system/game_archive.h"
#include "system/png_file.h"
#include "test_charset.h"
#include "ui/in_game/charset_painter.h"
#include "ui/share/name_picture.h"

using namespace chromlet;

namespace {

constexpr char OpenArenaData[] = "/usr/share/games/openarena/baseoa";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

struct Figures {
    std::vector<double> all;
    double Best() const { return *std::min_element(all.begin(), all.end()); }
    double Median() {
        std::sort(all.begin(), all.end());
        return all[all.size() / 2];
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const GameFileSearch search =
        FindGameFile({OpenArenaData}, {"gfx/2d/bigchars.tga"}, std::size_t{32} << 20);
    const bool openArena = search.found.has_value();
    const auto charset = ui::GameCharset::Decode(
        openArena ? search.found->bytes : test::TestCharsetTga().toStdString(), "bigchars.tga");
    std::printf("charset: %s\n",
                openArena ? "OpenArena's" : "the tests' (OpenArena not installed)");

    const TargetGame target = TargetGame::OpenArena;
    const std::string player = "^1Pl^8ay^3er ^4of ^5the ^6clan^7";
    const std::string server = "^4Frag ^7Fest ^124/7 ^3Instagib^7";
    const NamesReport names{target, AnalysePlayerName(target, player),
                            AnalyseServerName(target, server)};
    const PictureLook look{4, false, {}};
    Figures window;
    Figures drawing;
    std::size_t pixels = 0;
    for (int round = 0; round < 30; ++round) {
        const auto start = Clock::now();
        pixels = 0;
        const auto save = [&](const Picture& picture) {
            const QByteArray png = PngBytes(picture);
            pixels += std::size_t(picture.width) * std::size_t(picture.height);
            return png.size();
        };
        save(ui::NamePicture(names, PictureSubject::BothNames, GamePlace::Scoreboard, false,
                             charset.get(), look));
        for (const GamePlace place : AllPlaces) {
            save(ui::NamePicture(names, PictureSubject::Place, place, false, charset.get(), look));
        }
        window.all.push_back(Seconds(start));
        const auto drawn = Clock::now();
        ui::NamePicture(names, PictureSubject::BothNames, GamePlace::Scoreboard, false,
                        charset.get(), look);
        for (const GamePlace place : AllPlaces) {
            ui::NamePicture(names, PictureSubject::Place, place, false, charset.get(), look);
        }
        drawing.all.push_back(Seconds(drawn));
    }
    std::printf(
        "window, both names and 8 places at 4x, drawn and encoded (%zu pixels): best %.1f "
        "ms, median %.1f ms (goal: under 50 ms)\n",
        pixels, window.Best() * 1000, window.Median() * 1000);
    std::printf("  of which drawing alone: best %.1f ms, median %.1f ms\n", drawing.Best() * 1000,
                drawing.Median() * 1000);

    const std::string program = CHROMLET_NAME_PROGRAM;
    std::vector<std::vector<std::string>> runs{
        {program, "--game", "openarena", "picture", player, "--scale", "4", "-o", "-"}};
    for (const GamePlace place : AllPlaces) {
        runs.push_back({program, "--game", "openarena", "picture", player, "--scale", "4",
                        "--place", std::string(PlaceKey(place)), "-o", "-"});
    }
    double worstBest = 0;
    double worstMedian = 0;
    for (const auto& run : runs) {
        Figures process;
        for (int round = 0; round < 15; ++round) {
            process.all.push_back(bench::Run(run).seconds);
        }
        worstBest = std::max(worstBest, process.Best());
        worstMedian = std::max(worstMedian, process.Median());
    }
    std::printf(
        "chromlet-name picture at 4x, the name and each place as a process: slowest best "
        "%.1f ms, slowest median %.1f ms (goal: each under 100 ms)\n",
        worstBest * 1000, worstMedian * 1000);
    return 0;
}
