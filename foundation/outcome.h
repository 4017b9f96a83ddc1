// What a deed the user asked for came to: its result; or a refusal, in the
// words the user reads, that left everything as it was; or a cancel by the
// user. Every layer answers with an Outcome<T>, and none throws or flags
// in its place.
//
//     relwiz::Outcome<DiscFiles> found = read_disc_files(dropped);
//     if (found)
//         fill(*found);
//     else if (found.refused())
//         show(found.refusal().message);   // "game.r02 is missing."
//
// A caller that cannot go on passes the failure up as it came:
//
//     if (!crcs)
//         return crcs.failure();
#pragma once

#include <cassert>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>

namespace relwiz {

struct Refusal {
    std::string message = {};  // names the file and says why: "game.r02 is missing."
    std::string detail = {};   // the system's own words, where the message does not carry them; may be empty
};

// The user stopped the deed before it was done; nothing is said of it.
struct Cancelled {};
inline constexpr Cancelled cancelled{};

// Why an Outcome holds no result.
using Failure = std::variant<Refusal, Cancelled>;

// T, or the refusal or cancel that stands in for it. Outcome<> is a deed
// that is either done, refused or cancelled.
template <typename T = std::monostate>
class [[nodiscard]] Outcome {
public:
    Outcome(T value) : state_(std::move(value)) {}  // NOLINT: implicit, as a result is returned
    Outcome(Refusal refusal) : state_(std::move(refusal)) {}  // NOLINT: likewise
    Outcome(Cancelled) : state_(Cancelled{}) {}  // NOLINT: likewise
    Outcome(Failure failure)  // NOLINT: likewise
    {
        std::visit([this](auto&& why) { state_ = std::move(why); }, std::move(failure));
    }

    // The result made where the outcome keeps it, for a large one built up in place.
    template <typename... Args>
    explicit Outcome(std::in_place_t, Args&&... args) : state_(std::in_place_type<T>, std::forward<Args>(args)...)
    {
    }

    static Outcome done() requires std::is_same_v<T, std::monostate> { return Outcome(std::monostate()); }

    explicit operator bool() const { return std::holds_alternative<T>(state_); }
    bool refused() const { return std::holds_alternative<Refusal>(state_); }
    bool was_cancelled() const { return std::holds_alternative<Cancelled>(state_); }

    const T& operator*() const& { return std::get<T>(state_); }
    T& operator*() & { return std::get<T>(state_); }
    T&& operator*() && { return std::get<T>(std::move(state_)); }
    const T* operator->() const { return &std::get<T>(state_); }
    T* operator->() { return &std::get<T>(state_); }

    const Refusal& refusal() const { return std::get<Refusal>(state_); }

    // Why there is no result; only for an outcome that has none.
    Failure failure() const
    {
        assert(!*this);
        if (refused())
            return refusal();
        return Cancelled{};
    }

private:
    std::variant<T, Refusal, Cancelled> state_;
};

}  // namespace relwiz
