// DecoderReasons: the stb decoder's failure codes ("outofdata", "expected
// marker") said in words for the user. Only the codes of the PNG, BMP, GIF
// and JPEG decoders are known; any other gives an empty text, and the
// message then says no more than that the file is damaged.
#ifndef LUMIGRID_PICTURE_DECODERREASONS_H
#define LUMIGRID_PICTURE_DECODERREASONS_H

#include <string>

std::string DecoderReasonInWords(const char* code);

#endif
