// Keeps the library non-empty until the frame adds its headless code.
