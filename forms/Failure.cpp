#include "Failure.h"

namespace forms {

std::string failureDetail(std::exception_ptr failure)
{
    try {
        if (failure)
            std::rethrow_exception(failure);
    } catch (const std::exception& known) {
        return known.what();
    } catch (...) {
        // Anything else has no text of its own.
    }
    return {};
}

std::u16string failureMessage(const std::u16string& detail)
{
    const std::u16string message = u"That could not be done";
    return detail.empty() ? message + u"." : message + u": " + detail;
}

} // namespace forms
