# Publishing a state value and delivering it to its peers' hooks.
kb_bench(state_bench SOURCES state_bench.cpp LIBS kb_state)
