#include "platform/RuntimeFailure.h"

namespace jestrel
{

RuntimeFailure::RuntimeFailure(FailureKind kind, const std::string &message) : std::runtime_error(message), m_kind(kind)
{
}

RuntimeFailure RuntimeFailure::atLine(FailureKind kind, std::string_view file, int line, std::string_view fault)
{
    std::string message(file);
    message += ", line ";
    message += std::to_string(line);
    message += ": ";
    message += fault;
    return RuntimeFailure(kind, message);
}

} // namespace jestrel
