#pragma once
// What the processor the program runs on offers beyond the instruction set it
// is compiled for, each asked once. Vector paths choose themselves by these
// at run time and keep a plain path for the others.

#if defined(__x86_64__) && defined(__GNUC__)

[[nodiscard]] inline bool AvecAvx2()
{
    static const bool avec = __builtin_cpu_supports("avx2");
    return avec;
}

// 512-bit registers with byte and word operations.
[[nodiscard]] inline bool AvecAvx512Bw()
{
    static const bool avec = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
    return avec;
}

// Besides: byte permutations across a whole 512-bit register.
[[nodiscard]] inline bool AvecAvx512Vbmi()
{
    static const bool avec = AvecAvx512Bw() && __builtin_cpu_supports("avx512vbmi");
    return avec;
}

#endif
