#pragma once

#include <string>
#include <utility>
#include <variant>

namespace veltrane {

// What went wrong, in words a player or translator can act on.
struct Error {
    std::string message;
};

// A value or the reason there is none. Rules and loaders return this instead
// of throwing, so the window can show the reason where the action started.
template <typename T> class Result {
  public:
    Result(T value) : data_(std::move(value)) {}
    Result(Error error) : data_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(data_); }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<T>(data_); }
    const T& value() const { return std::get<T>(data_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<Error>(data_); }

  private:
    std::variant<T, Error> data_;
};

// For operations that either succeed or say why not.
class Status {
  public:
    Status() = default;
    Status(Error error) : error_(std::move(error)), failed_(true) {}

    static Status Ok() { return {}; }
    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

  private:
    Error error_;
    bool failed_ = false;
};

} // namespace veltrane
