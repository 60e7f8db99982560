# vorlune_generated_sources(<target> <name> <file>...): adds files made by a custom command in the
# calling directory to a target that may live in another one (custom command outputs only attach
# to targets of their own directory, so a small custom target carries the dependency).
function(vorlune_generated_sources target name)
  add_custom_target(${name} DEPENDS ${ARGN})
  add_dependencies(${target} ${name})
  target_sources(${target} PRIVATE ${ARGN})
endfunction()

# vorlune_embed_bytes(<target> <symbol> <file>): compiles <file>'s bytes into <target> as
# `const unsigned char <symbol>[]` with `std::size_t <symbol>Size`.
function(vorlune_embed_bytes target symbol file)
  set(output ${CMAKE_BINARY_DIR}/generated/embed/${symbol}.cpp)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${VORLUNE_PYTHON} ${PROJECT_SOURCE_DIR}/tools/embed_bytes.py ${output} ${symbol} ${file}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/embed_bytes.py ${file}
    COMMENT "Embedding ${file}")
  vorlune_generated_sources(${target} embed_${symbol} ${output})
endfunction()
