// Why something the user asked for left everything as it was: files brought
// in that cannot be used, a file that cannot be written. A refusal is a
// plain value, in the words the user reads; a function that may refuse
// returns OrRefusal<T>, its result or the refusal in its place, and never
// throws one.
//
//     relwiz::OrRefusal<DiscFiles> found = read_disc_files(dropped);
//     if (!found)
//         show(found.refusal().message);   // "game.r02 is missing."
//     else
//         fill(*found);
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace relwiz {

struct Refusal {
    std::string message = {};  // names the file and says why: "game.r02 is missing."
    std::string detail = {};   // the system's own words, where the message does not carry them; may be empty
};

// T, or the Refusal that stands in for it. OrRefusal<> is a deed that is
// either done or refused.
template <typename T = std::monostate>
class [[nodiscard]] OrRefusal {
public:
    OrRefusal(T value) : outcome_(std::move(value)) {}  // NOLINT: implicit, as a result is returned
    OrRefusal(Refusal refusal) : outcome_(std::move(refusal)) {}  // NOLINT: likewise

    static OrRefusal done() requires std::is_same_v<T, std::monostate> { return OrRefusal(std::monostate()); }

    explicit operator bool() const { return std::holds_alternative<T>(outcome_); }

    const T& operator*() const& { return std::get<T>(outcome_); }
    T&& operator*() && { return std::get<T>(std::move(outcome_)); }
    const T* operator->() const { return &std::get<T>(outcome_); }

    const Refusal& refusal() const { return std::get<Refusal>(outcome_); }

private:
    std::variant<T, Refusal> outcome_;
};

}  // namespace relwiz
