// What a disc's files answer on its page, worked out apart from the window:
// the fields they tell and the values those take. A fill changes those
// fields and no other: a volume label the image does not carry leaves the
// one the user typed. The window applies the answers through the bindings
// of the page's inputs (write_fields).
#pragma once

#include "disc_files.h"
#include "field_binding.h"

#include <vector>

namespace relwiz {

struct DiscPageAnswers {
    DiscInfo values;                  // the answered fields; the rest as DiscInfo{} has them
    std::vector<DiscField> answered;  // in the order of the page
};

//     disc_page_answers(files).values.image_file_size   // "681984000"
DiscPageAnswers disc_page_answers(const release_files::DiscFiles& files);

}  // namespace relwiz
