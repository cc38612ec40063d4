# The keyboard logic's connect sequence against the emulator with USB-like latency.
kb_bench(keyboard_bench SOURCES keyboard_bench.cpp LIBS kb_keyboard kb_emulator)
