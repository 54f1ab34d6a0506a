# Project-wide compile settings.
add_compile_options(-Wall -Wextra)
if(WIN32)
  # Windows-1251 "A" APIs throughout; no min/max macros.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # The product and its tests are x86 or x64 only; 32-bit code uses stdcall exports.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(ZVK_32BIT ON)
    # 32-bit Wine under qemu, prepared in the build folder by tools/wine32-setup.sh (tools/wine-env.sh).
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine32/root/usr/lib/wine/wine)
    file(WRITE ${CMAKE_BINARY_DIR}/wine-bits 32)
  else()
    file(WRITE ${CMAKE_BINARY_DIR}/wine-bits 64)
  endif()
endif()
if(ZVK_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# True where this build's Windows programs can run here (under Wine, inside tools/wine-session.sh).
if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(ZVK_CAN_RUN_WINDOWS ON)
endif()

function(zvk_module_output target)
  set_target_properties(${target} PROPERTIES PREFIX "")
endfunction()
