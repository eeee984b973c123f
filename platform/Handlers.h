#pragma once
// Event handlers raise errors freely: the error ends the handler and is shown in the error box.
// Catching it here, at the handler, keeps it from unwinding through Qt's own dispatch code.
#include <exception>
#include <utility>

namespace lexiglade {

// Shows `error` in the general error box.
void ReportError(const std::exception& error);

// `handler` as a slot whose errors are reported instead of escaping into the signal's sender.
template <typename Handler> auto Guarded(Handler handler) {
    return [handler = std::move(handler)]() {
        try {
            handler();
        } catch (const std::exception& error) {
            ReportError(error);
        }
    };
}

} // namespace lexiglade
