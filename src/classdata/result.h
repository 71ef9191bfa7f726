#pragma once

#include <string>
#include <utility>

namespace quillmark {

// The outcome of an operation that can fail: true on success, otherwise a message for the user.
class [[nodiscard]] Result {
public:
    static Result success() { return Result{}; }
    static Result failure(std::string message) { return Result{std::move(message)}; }

    explicit operator bool() const { return !failed_; }
    const std::string& message() const { return message_; }

private:
    Result() = default;
    explicit Result(std::string message)
        : failed_{true}
        , message_{std::move(message)} {}

    bool failed_ = false;
    std::string message_;
};

} // namespace quillmark
