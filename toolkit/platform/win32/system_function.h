// Functions of system DLLs that only saving needs (the file dialog, the documents folder),
// looked up when first called. Importing those DLLs would load them, and what they pull in, at
// every start-up: under Wine that alone costs about 70 ms, half of Kennwerk's start-up.
#pragma once

#include "toolkit/platform/win32/win32.h"

namespace tk::win32 {

// The export `name` of `library` in the system folder (never the program's folder), loading the
// DLL if it is not loaded yet; null when either is missing. A DLL loaded here stays for the rest
// of the run: the shell and the file dialog leave threads and COM objects behind that must not
// outlive their code.
template <class Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = ::GetModuleHandleW(library);
  if (!module)
    module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!module)
    return nullptr;
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace tk::win32
