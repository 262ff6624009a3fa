// Keeps the library non-empty until the subsystem adds its code.
