#pragma once
// The music a folder offers and which track plays next.
//
// A file is playable when its name, taken after its first ".", is exactly
// "mp3" or "wav": "Song.mp3" plays, "Song.MP3" and "a.b.mp3" do not. Names are
// listed in byte order of the file name, so a folder always plays the same way.
#include <functional>
#include <string>
#include <vector>

namespace cw {

enum class PlayOrder { kInOrder = 0, kRandom = 1 };

bool IsPlayableMusicName(const std::string& file_name);

// The full paths of the folder's playable files; empty when the folder cannot
// be read or holds none.
std::vector<std::string> PlayableMusicFiles(const std::string& folder);

// Picks a number in [0, count): the random choice of random order.
using RandomPick = std::function<std::size_t(std::size_t count)>;
std::size_t UniformPick(std::size_t count);

// The track that follows `current` among `files`. In order: the next file, or
// the first when there is no current file, it is the last one or it is gone.
// At random: any of the files. Empty when there are no files.
std::string NextTrack(const std::vector<std::string>& files, const std::string& current, PlayOrder order,
                      const RandomPick& pick = UniformPick);

}  // namespace cw
