#include "platform/RuntimeFailure.h"

namespace jestrel
{

RuntimeFailure::RuntimeFailure(FailureKind kind, const std::string &message) : std::runtime_error(message), m_kind(kind)
{
}

RuntimeFailure RuntimeFailure::atLine(FailureKind kind, std::string_view file, int line, std::string_view fault)
{
    return RuntimeFailure(kind, std::string(file) + ", line " + std::to_string(line) + ": " + std::string(fault));
}

} // namespace jestrel
