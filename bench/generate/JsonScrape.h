#pragma once
// Reading the one-line JSON summary `vorkel generate --json` prints: the
// last line of the output that opens an object, and its number and text
// fields. The summary is flat and its texts hold no escapes, so a search
// for the quoted key does; this is no JSON parser.

#include <optional>
#include <string>

namespace vorkel::bench {

// A number field of a flat JSON object: "key": 12.5
std::optional<double> jsonNumber(const std::string& json, const std::string& key);

// A string field of a flat JSON object: "key": "text" (no escapes expected).
std::string jsonText(const std::string& json, const std::string& key);

// The last line of `out` that opens a JSON object.
std::string jsonLine(const std::string& out);

}  // namespace vorkel::bench
