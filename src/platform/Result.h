#pragma once
// How a failure travels: a function below the user's commands returns a Result, which holds its value or what
// failed as a text the user can read ("No space left on device"), with a code where a caller branches on the kind
// of failure. The caller that talks to the user shows the text; nothing below it shows a prompt.
//
//     platform::Result<> KeepBackup(const QString& path);            // nothing or a failure
//     platform::Result<Contents, FileRead> ReadJournal(...);         // contents, or Missing / Unreadable
//     return platform::Fail(QStringLiteral("the disk is full"));     // a failure without a code
//     return platform::Fail(reason, FileRead::Unreadable);           // with one

#include <QString>
#include <optional>
#include <utility>
#include <variant>

namespace platform {

// The code of a failure that no caller tells apart from another.
enum class NoCode {};

template <class CodeType = NoCode> struct Failure {
    QString text;
    CodeType code{};
};

inline Failure<> Fail(QString text) {
    return {std::move(text), NoCode{}};
}
template <class CodeType> Failure<CodeType> Fail(QString text, CodeType code) {
    return {std::move(text), code};
}

template <class T = void, class CodeType = NoCode> class [[nodiscard]] Result {
public:
    Result(T value) : state(std::in_place_index<0>, std::move(value)) {}
    Result(Failure<CodeType> failure) : state(std::in_place_index<1>, std::move(failure)) {}

    bool Ok() const { return state.index() == 0; }
    explicit operator bool() const { return Ok(); }
    // Only when Ok().
    T& Value() { return std::get<0>(state); }
    const T& Value() const { return std::get<0>(state); }
    T* operator->() { return &Value(); }
    const T* operator->() const { return &Value(); }
    // What failed; empty, and the code's first value, when nothing did.
    QString Error() const { return Ok() ? QString() : std::get<1>(state).text; }
    CodeType Code() const { return Ok() ? CodeType{} : std::get<1>(state).code; }

private:
    std::variant<T, Failure<CodeType>> state;
};

template <class CodeType> class [[nodiscard]] Result<void, CodeType> {
public:
    Result() = default;
    Result(Failure<CodeType> failure) : failure(std::move(failure)) {}

    bool Ok() const { return !failure.has_value(); }
    explicit operator bool() const { return Ok(); }
    // What failed; empty, and the code's first value, when nothing did.
    QString Error() const { return failure ? failure->text : QString(); }
    CodeType Code() const { return failure ? failure->code : CodeType{}; }

private:
    std::optional<Failure<CodeType>> failure;
};

// The three outcomes of reading a file that may be absent: the code of a read's failure.
enum class FileRead { Read, Missing, Unreadable };

} // namespace platform
