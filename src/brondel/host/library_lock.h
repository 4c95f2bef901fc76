#pragma once

namespace brondel {

// Keeps the library loaded: every object the library hands out holds one, and DllCanUnloadNow answers
// yes only when none is left.
class LibraryLock {
public:
    LibraryLock();
    ~LibraryLock();
    LibraryLock(const LibraryLock&);
    LibraryLock& operator=(const LibraryLock&) = default;

    static int count();
};

}  // namespace brondel
