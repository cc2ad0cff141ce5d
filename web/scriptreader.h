// The core's script reader for the web edition (see web/CONTRACT.md):
// web/run-script reads every script with it, as corpimetro-script does.
#pragma once

extern "C" {
// Reads `length` bytes of a script file. Returns JSON, valid until the next
// call: {"script": <the normalized script>} or {"error": "malformed script: ..."}.
const char *corpimetro_read_script(const char *bytes, int length);
}
