#pragma once
// Series files (".C01"): record 1 "TAVIR", records 2..11 the construction strings of
// constructions 1..10, record 12 "0", each record 128 bytes (see record_file.hpp).
#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_result.hpp"

namespace tavir {

constexpr int kSeriesLength = 10;
// The least a complete file holds: eleven whole records and record 12's length and "0".
constexpr std::size_t kSeriesMinimumFileSize = 11 * 128 + 3;
// What the writer produces: twelve whole records, the last one padded too.
constexpr std::size_t kSeriesFileSize = 12 * 128;

// Entries 1..10 of the construction table, as texts.
using SeriesEntries = std::array<std::string, kSeriesLength>;

// True when record 1 is exactly "TAVIR": the file is one of our series, damaged or not.
bool hasSeriesMagic(std::string_view bytes);

// The whole decision on a file held in memory. Nothing is half-read: either the ten entries
// (the texts as stored, UTF-8) come back or the French refusal: "Fichier non valide" when
// record 1 is not exactly "TAVIR" (not one of our files), "Erreur lors du chargement du
// fichier" when the file is shorter than 1411 bytes or a record length is above 126.
FileResult<SeriesEntries> decodeSeries(std::string_view bytes);
// Reads the file (its first twelve records) and decodes it; a file that cannot be read (not
// a regular file, a read error) gives "Lecture impossible sur disque".
FileResult<SeriesEntries> loadSeriesFile(const std::filesystem::path& path);

// The file's bytes for ten entries; a blank entry is written as length 0. Records are padded
// to 128 bytes with zeros, record 12 included. Nothing when an entry needs more than 126
// bytes (no construction string does).
std::optional<std::string> encodeSeries(const SeriesEntries& entries);

// Writes the series file atomically: the old file at `path`, if any, is either replaced
// whole or left exactly as it was ("Ecriture impossible sur disque" when it cannot be).
FileDone saveSeriesFile(const std::filesystem::path& path, const SeriesEntries& entries);

// What the board may receive from a loaded entry: "" for a blank entry, otherwise a valid
// 23-character construction string in which every damaged position (missing, foreign
// character, value out of range) reads 0. Characters are counted, not bytes, so a foreign
// accented letter damages one position only.
std::string normalisedSeriesEntry(std::string_view text);
SeriesEntries normalisedSeries(const SeriesEntries& entries);

}  // namespace tavir
