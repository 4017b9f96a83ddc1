// compose_sheet against a memcpy of the same output size, and read_sheet
// against compose_sheet, in one run.
#include "compose_sheet.h"
#include "read_sheet.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

relwiz::ReleaseSheet typical_record()
{
    relwiz::ReleaseSheet sheet;
    sheet.poster_name = "Poster42";
    sheet.program_title = "Example Suite 4.0";
    sheet.disc_type = "Application";
    sheet.platform = "Windows 98 and 2000";
    sheet.category = "Office suite";
    sheet.image_is_cracked = relwiz::YesNoChoice::No;
    sheet.disc_count = 2;
    sheet.serial_number = "Not needed";
    sheet.release_group = "ExampleGroup";
    sheet.image_creation_app = "CDRWIN";
    sheet.url = "the publisher's home page";
    sheet.group_posted_to = "alt.binaries.example";
    sheet.news_server = "my provider's server";
    sheet.parts_per_day = "40";
    sheet.full_repost = relwiz::YesNoChoice::Yes;
    sheet.repost_commences = "3 days after original post";
    sheet.fills_policy = "Wait until after the repost, then ask.";
    sheet.support_sfv = sheet.support_covers = true;
    for (relwiz::DiscInfo& disc : sheet.discs) {
        disc = {"GAME_CD", relwiz::ImageFormat::BinCue, "game.bin", "681984000", ".rar",
                "15000000", "46", "679813120", relwiz::YesNoChoice::No, relwiz::YesNoChoice::Yes};
    }
    return sheet;
}

relwiz::ReleaseSheet record_with_pasted_nfo()
{
    relwiz::ReleaseSheet sheet = typical_record();
    std::string line(77, '#');
    line += "\r\n";
    while (sheet.release_group_nfo.size() < (1u << 20))
        sheet.release_group_nfo += line;
    sheet.release_group_nfo.resize(1u << 20);
    return sheet;
}

void compose(benchmark::State& state, const relwiz::ReleaseSheet& sheet)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = relwiz::compose_sheet(sheet);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes * state.iterations()));
}

// The floor: copying the finished sheet's bytes into a fresh buffer.
void copy_output(benchmark::State& state, const relwiz::ReleaseSheet& sheet)
{
    const std::string output = relwiz::compose_sheet(sheet);
    for (auto _ : state) {
        std::string copy;
        copy.reserve(output.size());
        copy.append(output.data(), output.size());  // one allocation and one memcpy
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(output.size() * state.iterations()));
}

// Reading the sheet back into a record: the window's opening of a saved sheet.
void read_back(benchmark::State& state, const relwiz::ReleaseSheet& sheet)
{
    const std::string text = relwiz::compose_sheet(sheet);
    for (auto _ : state) {
        relwiz::Outcome<relwiz::ReleaseSheet> reading = relwiz::read_sheet(text);
        benchmark::DoNotOptimize(reading->release_group_nfo.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(text.size() * state.iterations()));
}

}  // namespace

int main(int argc, char** argv)
{
    const relwiz::ReleaseSheet typical = typical_record();
    const relwiz::ReleaseSheet pasted = record_with_pasted_nfo();
    benchmark::RegisterBenchmark("compose/typical", compose, typical);
    benchmark::RegisterBenchmark("memcpy/typical", copy_output, typical);
    benchmark::RegisterBenchmark("compose/1MiB_nfo", compose, pasted);
    benchmark::RegisterBenchmark("memcpy/1MiB_nfo", copy_output, pasted);
    benchmark::RegisterBenchmark("read/typical", read_back, typical);
    benchmark::RegisterBenchmark("read/1MiB_nfo", read_back, pasted);

    benchmark::Initialize(&argc, argv);
    relwiz::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("compose/typical", "memcpy/typical");
    reporter.print_ratio("compose/1MiB_nfo", "memcpy/1MiB_nfo", 2.0);
    reporter.print_ratio("read/typical", "compose/typical", 2.0);
    reporter.print_ratio("read/1MiB_nfo", "compose/1MiB_nfo", 2.0);
    benchmark::Shutdown();
    return 0;
}
