# Project-wide warning set; CI turns warnings into errors.
add_compile_options(-Wall -Wextra -Wpedantic)
if(KADENZO_WERROR)
  add_compile_options(-Werror)
endif()
