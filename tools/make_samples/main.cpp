// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the four delivered sample games into a folder with the game's own saved-game writer:
// two easy first games, and two hard championship tasks guarded by a password whose
// authorisation text congratulates the solver. The noise is drawn from a fixed seed, so the
// files come out the same at every run.
// Usage: make_samples OUTPUT_FOLDER
#include <cstdio>

#include "engine/variant.h"
#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "persistence/safe_file.h"
#include "persistence/saved_game.h"

using namespace mirvalon;

namespace {

SavedTask sample(int number, int colours, const Row& row, const char* password,
                 const char* authText, Random& random)
{
    SavedTask t = taskForGame(number);
    t.pieceColours = colours;
    t.password = password;
    t.authText = authText;
    t.hiddenRow = row;
    if (t.randomArrangement) {
        // Distinct labels 1..999, as the board draws them.
        for (int k = 1; k <= t.pieceCount; ++k) {
            if (!keepsFace(k, colours))
                continue;
            bool repeated = true;
            while (repeated) {
                t.faces[k] = random.below(kMaxFace) + 1;
                repeated = false;
                for (int j = 1; j < k; ++j)
                    repeated = repeated || t.faces[j] == t.faces[k];
            }
        }
    }
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples OUTPUT_FOLDER\n");
        return 2;
    }
    Random random;
    random.seed(20261207);
    // Game 1 "EASY" in colour and game 2 with grey numbers: five places, hits revealed.
    // Game 128 "719_akNB" with random labels; game 192 "GOLD", eight of twenty-five, repeats.
    const SavedTask tasks[] = {
        sample(1, ColouredPieces, {3, 9, 1, 6, 4, 0, 0, 0}, "", "", random),
        sample(2, GreyPieces, {12, 5, 17, 8, 1, 0, 0, 0}, "", "", random),
        sample(128, GreyPieces, {14, 3, 19, 7, 11, 2, 16, 0}, "Tatry",
               "Gratulujem, majster Slovenska!", random),
        sample(192, GreyPieces, {21, 4, 4, 17, 9, 25, 12, 4}, "Everest",
               "Bravo! You are world champion!", random),
    };
    PosixFileSystem fs;
    for (std::size_t i = 0; i < kSampleGames.size(); ++i) {
        const SavedTask& t = tasks[i];
        GameSettings settings;
        applyVariantKey(settings, referenceKey(t.gameNumber));
        const VariantInfo v = computeVariant(settings);
        const std::string path = joinPath(argv[1], kSampleGames[i]);
        if (!taskIsPlayable(t) || v.number != t.gameNumber ||
            !writeSavedGame(fs, path, t, random) || readSavedGame(fs, path) != t) {
            std::fprintf(stderr, "make_samples: %s could not be written\n", path.c_str());
            return 1;
        }
        std::printf("%s: game %s, level %d, key %s\n", kSampleGames[i], v.numberText.c_str(),
                    v.level, referenceKey(t.gameNumber).c_str());
    }
    return 0;
}
