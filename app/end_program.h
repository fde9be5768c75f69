// The program's one way out. EndProgram takes the toolkit down (closing every window still open,
// which releases every control and its flat gadget record) and ends the process with exit code
// 0. It is safe to call from inside a handler: it never returns there, and nothing it does lets
// an exception escape into the native callback that called the handler.
#pragma once

namespace app {

[[noreturn]] void EndProgram() noexcept;

}  // namespace app
