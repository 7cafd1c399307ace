// Feeds arbitrary server bytes, in arbitrary pieces, to the POP3 reply reader.
// Whatever comes, the reader must neither crash nor hold more than its limits.
#include "platform/pop3/Pop3ReplyReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using tarnwell::Pop3Reply;
using tarnwell::Pop3ReplyReader;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // The first byte chooses the shapes of the replies read, the second the piece size.
    const uint8_t shapes = data[0];
    const size_t piece = size_t(data[1] % 64) + 1;
    data += 2;
    size -= 2;

    Pop3ReplyReader reader;
    Pop3Reply reply;
    int replies = 0;
    for (size_t at = 0; at < size; at += piece) {
        const size_t length = at + piece <= size ? piece : size - at;
        reader.feed(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(length)));
        for (;;) {
            const auto shape = (shapes >> (replies % 8)) & 1 ? Pop3ReplyReader::Shape::MultiLine
                                                              : Pop3ReplyReader::Shape::Status;
            // A small block limit lets the fuzzer reach the oversize path.
            const auto result = reader.read(shape, reply, 4096);
            if (result != Pop3ReplyReader::Result::Ready)
                break;
            ++replies;
            if (!reply.status.startsWith("+OK") && !reply.status.startsWith("-ERR"))
                std::abort();
            qsizetype block = 0;
            for (const QByteArray &line : reply.lines) {
                if (line.size() > Pop3ReplyReader::kMaxLine || line.contains('\n'))
                    std::abort();
                block += line.size() + 2;
            }
            if (block > 4096 || (shape == Pop3ReplyReader::Shape::Status && !reply.lines.isEmpty()))
                std::abort();
        }
        if (reader.failed()) {
            if (reader.error().isEmpty() || reader.pending() != 0)
                std::abort();
            break;
        }
        if (reader.pending() > Pop3ReplyReader::kMaxLine + 2 + qsizetype(piece))
            std::abort();
    }
    return 0;
}
