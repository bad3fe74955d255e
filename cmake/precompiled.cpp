// The unit that the precompiled headers of cmake/precompiled.cmake are made
// for; it holds nothing of its own.
