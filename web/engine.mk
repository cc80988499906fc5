# Compiles the library's sources with emscripten into one JavaScript file with the
# WebAssembly embedded (single file, so that the page opens from file:// without a server).
# Called by scripts/build-web.sh, which passes SRC_DIRS, OUT (the page's folder), WORK (the
# objects, kept apart so that OUT holds only what is served) and EXPORTS.
EMCXX ?= em++
OPT ?= -O2
THIS := $(firstword $(MAKEFILE_LIST))
SOURCES := $(foreach d,$(SRC_DIRS),$(wildcard $(d)/*.cpp))
OBJECTS := $(patsubst %.cpp,$(WORK)/%.o,$(SOURCES))
# -fexceptions: the library catches its own exceptions inside every export, which
# emscripten's default build (catching disabled) would let escape to the page.
CXXFLAGS := -std=c++17 $(OPT) -fexceptions -DQIRA_BUILDING_LIBRARY -Iinclude -I. -Wall -Wextra
# The page calls the C exports by name (cwrap); numbers cross as doubles, pointers as
# offsets into the module's heap, text through the caller-owned buffers of the interface.
LDFLAGS := $(OPT) -fexceptions -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=createQiraEngine \
  -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web,node \
  -sEXPORTED_RUNTIME_METHODS=ccall,cwrap,UTF8ToString,stringToUTF8,lengthBytesUTF8,getValue,setValue \
  -sEXPORTED_FUNCTIONS=_malloc,_free,$(EXPORTS)

$(OUT)/qira-engine.js: $(OBJECTS) $(WORK)/exports.stamp $(THIS)
	$(EMCXX) $(OBJECTS) $(LDFLAGS) -o $@

$(WORK)/%.o: %.cpp $(THIS)
	@mkdir -p $(dir $@)
	$(EMCXX) $(CXXFLAGS) -MMD -MP -c $< -o $@

# Relinks when the list of exported names changes.
$(WORK)/exports.stamp: FORCE
	@mkdir -p $(WORK) $(OUT)
	@echo '$(EXPORTS)' | cmp -s - $@ || echo '$(EXPORTS)' > $@

FORCE:
-include $(OBJECTS:.o=.d)
