#pragma once

#include <QString>
#include <stdexcept>

// A failure the user is told about: its text is what the standard error box shows.
// Handlers let it travel up to the one place per handler that reports it.
class UserError : public std::runtime_error {
  public:
    explicit UserError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};
