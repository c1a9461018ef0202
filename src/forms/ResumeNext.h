#pragma once
// Runs each step in turn; a step that fails is skipped silently and the next
// one runs, as the program's event handlers do where a step can fail.

#include <exception>
#include <utility>

namespace forms
{

template <class... Steps> void ResumeNext(Steps&&... steps)
{
    auto run = [](auto&& step) {
        try {
            step();
        } catch (const std::exception&) {
            // A failing step is skipped without a message.
        }
    };
    (run(std::forward<Steps>(steps)), ...);
}

} // namespace forms
