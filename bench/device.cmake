# One request-and-answer exchange, in process and through hidraw under umockdev.
if(TARGET kb_hid_testbed)
  kb_bench(device_bench SOURCES device_bench.cpp LIBS kb_device kb_emulator kb_hid_testbed)
  if(TARGET device_bench)
    target_compile_definitions(device_bench PRIVATE KBCONF_HAVE_UMOCKDEV)
  endif()
else()
  kb_bench(device_bench SOURCES device_bench.cpp LIBS kb_device kb_emulator)
endif()
