// Encodes small bitmaps made from arbitrary bytes, with and without alpha, and reads them back
// through libpng: every pixel must survive. The same bytes also go straight through our deflate,
// at distances they choose, and must inflate through zlib to themselves.
#include "uikit/DeflateWriter.h"
#include "uikit/PNGFile.h"

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    unsigned width = data[0] % 64 + 1, height = data[1] % 64 + 1;
    bool opaque = data[2] & 1;
    const std::uint8_t* pixels = data + 4;
    size_t pixelBytes = size - 4;
    Bitmap bitmap(width, height);
    // Short inputs repeat, as flat and patterned pictures do.
    for (size_t i = 0; i < bitmap.rgba.size(); ++i)
        bitmap.rgba[i] = opaque && i % 4 == 3 ? 255 : pixels[i % pixelBytes];
    auto decoded = PNGFile::decode(PNGFile::encode(bitmap));
    if (!decoded || decoded->width != width || decoded->height != height || decoded->rgba != bitmap.rgba)
        std::abort();

    std::vector<unsigned> distances { data[3] % 8 + 1u, (data[2] >> 1) * 257u % 32768 + 1 };
    std::vector<std::uint8_t> stream;
    DeflateWriter writer(stream, distances);
    for (size_t at = 0, piece = data[3] / 8 + 1; at < pixelBytes; at += piece) {
        size_t length = std::min(piece, pixelBytes - at);
        std::memcpy(writer.append(length), pixels + at, length);
    }
    writer.finish();
    std::vector<std::uint8_t> inflated(pixelBytes + 1);
    uLongf inflatedSize = inflated.size();
    if (uncompress(inflated.data(), &inflatedSize, stream.data(), stream.size()) != Z_OK
        || inflatedSize != pixelBytes || std::memcmp(inflated.data(), pixels, pixelBytes) != 0)
        std::abort();
    return 0;
}
