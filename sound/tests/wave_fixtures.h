// WAV files written by the tests themselves: chunk builders, and files that remove themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

void Append(Bytes& out, const Bytes& more);
void Put16(Bytes& out, uint32_t value);
void Put32(Bytes& out, uint32_t value);

// A chunk: identifier, size, body and the pad byte of an odd body.
Bytes Chunk(const char* id, const Bytes& body);
// A chunk whose header states a size other than its body's.
Bytes ChunkClaiming(const char* id, uint32_t statedSize, const Bytes& body);
// The whole file: "RIFF", its size, the form type and the chunks.
Bytes Riff(const char* form, const std::vector<Bytes>& chunks);

// The 16 bytes of a format, followed by whatever else the chunk should hold.
Bytes FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits,
                 const Bytes& more = {});
Bytes PcmFormat(uint16_t channels, uint32_t rate, uint16_t bits);

// A file in the test's working directory, removed again when the test ends.
class FixtureFile {
  public:
    explicit FixtureFile(const Bytes& contents, const std::string& tag = "wave");
    ~FixtureFile();
    FixtureFile(const FixtureFile&) = delete;
    FixtureFile& operator=(const FixtureFile&) = delete;
    const char* Path() const { return path_.c_str(); }

  private:
    std::string path_;
};

// A name no file has.
std::string MissingFilePath();
