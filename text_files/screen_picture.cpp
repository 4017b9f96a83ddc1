// PNG as the W3C's "Portable Network Graphics (PNG), Second Edition" (ISO/IEC
// 15948) lays it out, written by libpng: an indexed picture of bit depth 1,
// its two colours in PLTE, rows without filters, as libpng chooses for
// indexed pictures of less than 8 bits a pixel.
#include "screen_picture.h"

#include "vga_font.h"

#include <png.h>

#include <array>
#include <chrono>
#include <csetjmp>
#include <cstdint>
#include <string>

namespace relwiz {
namespace {

constexpr png_color black = {0x00, 0x00, 0x00};
constexpr png_color light_grey = {0xAA, 0xAA, 0xAA};  // the VGA's colour 7, in which DOS wrote text

// The VGA repeated a glyph's eighth column into the ninth for these, its line-drawing characters.
constexpr std::uint8_t first_line_drawing = 0xC0;
constexpr std::uint8_t last_line_drawing = 0xDF;

// zlib's own default. On 1 MiB of dense art (20 MB of pixel rows) level 1
// wrote 1.53 MB in 0.11 s, level 6 1.15 MB in 0.4 s, level 9 1.11 MB in
// 1.5 s: a quarter smaller is worth the time for pictures that forums and
// galleries take up to a size.
constexpr int compression_level = 6;

constexpr std::chrono::milliseconds progress_interval(50);

// Each byte's cell, nine pixels a row, the leftmost in bit 8.
using CellRows = std::array<std::array<std::uint16_t, cell_height>, 256>;

const CellRows& cell_rows()
{
    static const CellRows rows = [] {
        CellRows cells{};
        for (std::size_t byte = 0; byte < cells.size(); ++byte) {
            const bool line_drawing = byte >= first_line_drawing && byte <= last_line_drawing;
            for (int y = 0; y < cell_height; ++y) {
                const std::uint8_t glyph = vga_font()[byte][std::size_t(y)];
                cells[byte][std::size_t(y)] = std::uint16_t(glyph << 1 | (line_drawing ? glyph & 1 : 0));
            }
        }
        return cells;
    }();
    return rows;
}

// Pixel row `y` of a line's cells, packed eight pixels to a byte; the
// cells past the line's end black.
void pack_row(std::string_view line, int y, std::vector<png_byte>& row)
{
    const CellRows& cells = cell_rows();
    std::uint64_t bits = 0;  // only the lowest `pending` wait to be written
    int pending = 0;
    png_byte* out = row.data();
    for (const char byte : line) {
        bits = bits << cell_width | cells[static_cast<unsigned char>(byte)][std::size_t(y)];
        for (pending += cell_width; pending >= 8;) {
            pending -= 8;
            *out++ = png_byte(bits >> pending);
        }
    }
    if (pending > 0)
        *out++ = png_byte(bits << (8 - pending));
    std::fill(out, row.data() + row.size(), png_byte(0));
}

// libpng reports a failure by jumping back to where the step began; every
// step goes through guarded(), and no frame it jumps over holds anything
// that a destructor would have to free.
class PngWriter {
public:
    explicit PngWriter(const PictureSink& sink)
        : sink_(sink)
        , png_(png_create_write_struct(PNG_LIBPNG_VER_STRING, this, &PngWriter::fail, &PngWriter::warn))
        , info_(png_ ? png_create_info_struct(png_) : nullptr)
    {
        if (png_)
            png_set_write_fn(png_, this, &PngWriter::write_bytes, nullptr);
    }
    ~PngWriter() { png_destroy_write_struct(&png_, &info_); }
    PngWriter(const PngWriter&) = delete;
    PngWriter& operator=(const PngWriter&) = delete;

    bool begin(png_uint_32 width, png_uint_32 height)
    {
        if (!info_)
            return problem_ = "out of memory", false;
        return guarded([this, width, height] {
            png_set_user_limits(png_, PNG_UINT_31_MAX, PNG_UINT_31_MAX);  // rather than libpng's million rows
            png_set_IHDR(png_, info_, width, height, 1, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                         PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
            const png_color palette[] = {black, light_grey};
            png_set_PLTE(png_, info_, palette, 2);
            png_set_compression_level(png_, compression_level);
            png_set_compression_buffer_size(png_, 1 << 16);  // IDAT chunks of 64 KiB: few writes
            png_write_info(png_, info_);
        });
    }

    bool write_row(const std::vector<png_byte>& row)
    {
        return guarded([this, &row] { png_write_row(png_, row.data()); });
    }

    bool end()
    {
        return guarded([this] { png_write_end(png_, nullptr); });
    }

    Refusal refusal() const { return {"libpng failed: " + problem_ + "."}; }

private:
    template <typename Step>
    bool guarded(const Step& step)
    {
        if (setjmp(png_jmpbuf(png_)))
            return false;
        step();
        return true;
    }

    static void write_bytes(png_structp png, png_bytep data, std::size_t length)
    {
        auto* self = static_cast<PngWriter*>(png_get_io_ptr(png));
        if (!self->sink_({reinterpret_cast<const char*>(data), length}))
            png_error(png, "its bytes could not be written");
    }

    [[noreturn]] static void fail(png_structp png, png_const_charp message)
    {
        static_cast<PngWriter*>(png_get_error_ptr(png))->problem_ = message;
        png_longjmp(png, 1);
    }

    static void warn(png_structp, png_const_charp) {}

    const PictureSink& sink_;
    std::string problem_;
    png_structp png_;
    png_infop info_;
};

}  // namespace

Outcome<> draw_screen_picture(const ScreenLines& lines, const PictureSink& write, const PictureProgressCallback& progress,
                              std::stop_token stop)
{
    const std::size_t line_count = lines.ends.size();
    if (lines.columns == 0)
        return Refusal{"There is nothing to draw."};
    if (lines.columns > PNG_UINT_31_MAX / cell_width || line_count > PNG_UINT_31_MAX / cell_height)
        return Refusal{"The picture would be larger than a PNG can be."};
    PngWriter png(write);
    if (!png.begin(png_uint_32(lines.columns * cell_width), png_uint_32(line_count * cell_height)))
        return png.refusal();
    std::vector<png_byte> row((lines.columns * cell_width + 7) / 8);
    auto reported = std::chrono::steady_clock::now();
    if (progress)
        progress({0, line_count});
    for (std::size_t index = 0; index < line_count; ++index) {
        if (stop.stop_requested())
            return cancelled;
        if (const auto now = std::chrono::steady_clock::now(); progress && now - reported >= progress_interval) {
            progress({index, line_count});
            reported = now;
        }
        for (int y = 0; y < cell_height; ++y) {
            pack_row(lines.line(index), y, row);
            if (!png.write_row(row))
                return png.refusal();
        }
    }
    if (!png.end())
        return png.refusal();
    if (progress)
        progress({line_count, line_count});
    return Outcome<>::done();
}

}  // namespace relwiz
