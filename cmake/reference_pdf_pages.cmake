# The reference's PDF files as pdftoppm draws their first page at 96 dpi,
# beside them as <name>.pdf.png: the picture the reference shows for a PDF.
#   cmake -DDIR=<reference folder> -P reference_pdf_pages.cmake
find_program(PDFTOPPM pdftoppm)
file(GLOB pdfs "${DIR}/img/*.pdf")
foreach(pdf IN LISTS pdfs)
  if(NOT PDFTOPPM)
    message(FATAL_ERROR "pdftoppm (poppler-utils) is needed to draw ${pdf} for the reference")
  endif()
  execute_process(COMMAND ${PDFTOPPM} -r 96 -png -singlefile -f 1 -l 1 ${pdf} ${pdf} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "pdftoppm could not draw ${pdf}")
  endif()
endforeach()
