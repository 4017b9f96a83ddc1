#include "file_problem.h"

#include <system_error>

namespace relwiz {

std::string FileProblem::reason() const
{
    switch (kind) {
    case Kind::none: return {};
    case Kind::system_error: return std::generic_category().message(system_error);
    case Kind::folder: return "is a folder";
    case Kind::not_regular_file: return "is not a regular file";
    }
    return {};
}

}  // namespace relwiz
