#pragma once

#include <QString>

class QIODevice;

#include <cstdint>
#include <vector>

namespace sound
{

// Writes `samples` as a 16-bit mono PCM WAV file. The file appears whole under its name or not at
// all: it is written beside the target and renamed only once complete. On failure returns false
// and, when `error` is given, says why in a sentence the lecturer can read.
bool writeWav(const QString &path, const std::vector<std::int16_t> &samples, int sampleRate,
              QString *error = nullptr);
// The same into an open device (a file the caller commits); false when the device refused.
bool writeWav(QIODevice &out, const std::vector<std::int16_t> &samples, int sampleRate);

} // namespace sound
