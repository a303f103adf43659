#pragma once
// Every file form of a font as text: the font source file (value notation,
// writer, reader, file-name convention), the C header, BDF, Adafruit GFX and
// LVGL writers, the C array reader, the Adafruit GFX font reader, and font
// tables of other programs with their layout's detection. Links the standard
// library and the model only.

#include "fontfile/bdf_writer.h"
#include "fontfile/byte_source.h"
#include "fontfile/c_array_reader.h"
#include "fontfile/c_header_params.h"
#include "fontfile/c_header_writer.h"
#include "fontfile/c_text.h"
#include "fontfile/font_file_name.h"
#include "fontfile/font_reader.h"
#include "fontfile/font_value.h"
#include "fontfile/font_writer.h"
#include "fontfile/gfx_reader.h"
#include "fontfile/gfx_writer.h"
#include "fontfile/glyph_ink.h"
#include "fontfile/glyph_pixels.h"
#include "fontfile/glyph_text.h"
#include "fontfile/lvgl_writer.h"
#include "fontfile/table_detect.h"
#include "fontfile/table_layout.h"
#include "fontfile/table_source.h"
#include "fontfile/widths_line.h"
