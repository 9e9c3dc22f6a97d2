// The program's error types. Bad data raises one of these; the window that
// loaded the data catches it and reports its Message().
#pragma once

#include <QString>
#include <exception>

class Exception : public std::exception
{
public:
    explicit Exception(QString message);
    const QString &Message() const noexcept { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// A text that does not convert to the value asked for ("'%s' is not a valid time").
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

// A file that cannot be opened; the message names the path and the reason.
class EFileOpenError : public Exception
{
public:
    using Exception::Exception;
};

// An assignment between incompatible objects ("Cannot assign a %s to a %s").
class EAssignError : public Exception
{
public:
    using Exception::Exception;
};
