#pragma once

#include <QString>

#include <vector>

// Sound files as a workshop source: WAV, FLAC, OGG, MP3 and whatever else the system's decoder
// takes (Qt Multimedia's QAudioDecoder), read whole into one mono sound.
namespace workshop
{

// What a file holds: the mono mix of its channels at its own rate, or why it cannot be read
// (one line in Russian; the samples are then empty).
struct Sound {
    std::vector<float> samples;
    int rate = 0;
    QString error;
};

// Only the first ten minutes of a file are read.
constexpr int longestSoundSeconds = 600;

// Whether `path` names a sound file rather than a CSV table: every suffix but "csv" does; a
// name without one is a table, as before sound files were taken.
bool isSoundFile(const QString &path);

// Decodes the file, waiting for the decoder (the caller's event loop keeps running meanwhile).
// A file that cannot be opened, is empty, is no sound, is cut short or is in a format the
// decoder lacks gets its line.
Sound readSound(const QString &path);

} // namespace workshop
