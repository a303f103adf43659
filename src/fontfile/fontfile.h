#pragma once
// The font source file: value notation, writer, reader and the file-name
// convention. Links the standard library only.

#include "fontfile/byte_source.h"
#include "fontfile/font_file_name.h"
#include "fontfile/font_reader.h"
#include "fontfile/font_value.h"
#include "fontfile/font_writer.h"
#include "fontfile/glyph_text.h"
