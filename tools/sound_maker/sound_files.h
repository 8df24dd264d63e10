// sound_files.h: synthesised sound written as the game reads it.
//
// Float samples (-1 .. 1, clipped beyond) become 16-bit PCM; the file's
// extension picks the form: ".wav" (RIFF WAVE through the engine's writer)
// or ".ogg" (Ogg Vorbis, variable bit rate). The Vorbis stream's serial
// number is fixed, so the same samples always give the same file.
//
//   WriteSoundFile("game/data/sounds/click.wav", samples, 1);
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvellane {

std::vector<int16_t> ToPcm16(const std::vector<float>& samples);

// Raises EToolError for another extension or when the file cannot be written.
void WriteSoundFile(const std::string& path, const std::vector<float>& interleaved, int channels);

}  // namespace corvellane
