// What a disc's files answer on its page and what the .sfv work says, worked
// out without a window: the window only applies and shows them.
#include "disc_page_answers.h"
#include "sfv_answers.h"

#include <QTest>

using namespace relwiz;
using release_files::DiscFiles;
using release_files::DiscImage;

class PageAnswersTest : public QObject {
    Q_OBJECT

private slots:
    // The image's fields, the 80-minute answer last as on the page; a label the image lacks, and the archive
    // fields when no set came, are not answered.
    void disc_files_answer_their_fields()
    {
        const DiscFiles files{DiscImage{"g.bin", 681984000, release_files::ImageKind::bin_cue, std::nullopt, true}, std::nullopt, std::nullopt};
        const DiscPageAnswers answers = disc_page_answers(files);
        QCOMPARE(answers.answered, (std::vector<DiscField>{&DiscInfo::image_format, &DiscInfo::image_filename,
                                                            &DiscInfo::image_file_size, &DiscInfo::needs_80min_cdr}));
        QVERIFY(answers.values == (DiscInfo{"", ImageFormat::BinCue, "g.bin", "681984000", "", "", "", "", YesNoChoice::Yes}));
    }

    void sfv_work_says_what_it_found()
    {
        const auto said = [](const SfvAnswer& answer) {
            return QStringList{QString::number(int(answer.kind)), QString::fromStdString(answer.refusal.message),
                               answer.unchanged} + answer.lines;
        };
        using release_files::SfvCheck;
        QCOMPARE(said(check_answer(SfvCheck{}, 1, "g.sfv", 1)), (QStringList{"1", "", "", "The 1 part matches g.sfv."}));
        QCOMPARE(said(check_answer(SfvCheck{{"g.r00: not named in g.sfv"}}, 1, "g.sfv", 2)),
                 (QStringList{"2", "", "", "g.r00: not named in g.sfv"}));
        QCOMPARE(said(check_answer(cancelled, 1, "g.sfv", 2)), (QStringList{"0", "", ""}));
        QCOMPARE(said(check_answer(Refusal{"Cannot read g.sfv: x."}, 1, "g.sfv", 2)),
                 (QStringList{"3", "Cannot read g.sfv: x.", "Disc 2 Info stays filled; the parts were not checked."}));
        QCOMPARE(said(write_answer(release_files::SfvWritten{1}, "g.sfv", false)),
                 (QStringList{"1", "", "", "Wrote g.sfv for the 1 part."}));
        QCOMPARE(said(write_answer(Refusal{"Cannot write g.sfv: x."}, "g.sfv", true)),
                 (QStringList{"3", "Cannot write g.sfv: x.", "g.sfv is as it was."}));
    }
};

QTEST_APPLESS_MAIN(PageAnswersTest)
#include "page_answers_test.moc"
