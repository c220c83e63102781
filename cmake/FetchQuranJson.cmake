# Provides the verse texts and sura names of the data sets: the npm package quran-json 3.1.2,
# checked against its published sha512 before anything of it is used.
#
# Where the package comes from, in this order:
#   1. the copy in this build tree (<build>/_deps/quran-json/);
#   2. LUMRA_QURAN_JSON_TARBALL, a tarball given by hand (for machines without the registry);
#   3. the per-user cache ($XDG_CACHE_HOME or ~/.cache)/lumra/, shared by build trees;
#   4. `npm pack quran-json@3.1.2`.
# A fetched package is copied into the per-user cache, so later build trees need no network.
#
# Sets (cache, internal): LUMRA_QURAN_JSON_DIR, the folder holding quran_en.json,
# quran_sv.json, quran.json (the original) and quran_transliteration.json.

set(_qj_version "3.1.2")
set(_qj_file "quran-json-${_qj_version}.tgz")
set(_qj_sha512
  "2b44544504ae79550ca439190a77d785c93a6025f69442426abd12b08da768d0e07a2fdcaedad57d11dabd9935e2dc344c994641dff3977b4005238642b24b61")
set(_qj_members package/dist/quran_en.json package/dist/quran_sv.json package/dist/quran.json
  package/dist/quran_transliteration.json)

set(_qj_dir "${CMAKE_BINARY_DIR}/_deps/quran-json")
set(_qj_tgz "${_qj_dir}/${_qj_file}")
set(LUMRA_QURAN_JSON_TARBALL "" CACHE FILEPATH
  "A local ${_qj_file} to use instead of fetching it (checked against its sha512)")

if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(_qj_cache_dir "$ENV{XDG_CACHE_HOME}/lumra")
elseif(DEFINED ENV{HOME} AND NOT "$ENV{HOME}" STREQUAL "")
  set(_qj_cache_dir "$ENV{HOME}/.cache/lumra")
else()
  set(_qj_cache_dir "")
endif()

# Sets <result> to TRUE when <file> exists and has the package's sha512.
function(_qj_verified file result)
  set(${result} FALSE PARENT_SCOPE)
  if(EXISTS "${file}" AND NOT IS_DIRECTORY "${file}")
    file(SHA512 "${file}" _hash)
    if(_hash STREQUAL _qj_sha512)
      set(${result} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()

# Copies <from> to <to> through a temporary name, so that a concurrent configure never sees a
# half-copied tarball.
function(_qj_copy from to)
  get_filename_component(_to_dir "${to}" DIRECTORY)
  file(MAKE_DIRECTORY "${_to_dir}")
  string(RANDOM LENGTH 8 _tag)
  file(COPY_FILE "${from}" "${to}.${_tag}.part" RESULT _copy_error)
  if(_copy_error)
    file(REMOVE "${to}.${_tag}.part")
    set(_qj_copy_error "${_copy_error}" PARENT_SCOPE)
    return()
  endif()
  file(RENAME "${to}.${_tag}.part" "${to}" RESULT _rename_error)
  set(_qj_copy_error "${_rename_error}" PARENT_SCOPE)
endfunction()

file(MAKE_DIRECTORY "${_qj_dir}")
_qj_verified("${_qj_tgz}" _qj_ok)
if(NOT _qj_ok AND EXISTS "${_qj_tgz}")
  message(WARNING "quran-json: ${_qj_tgz} fails its sha512 check; getting it again")
  file(REMOVE "${_qj_tgz}")
endif()

if(NOT _qj_ok AND NOT LUMRA_QURAN_JSON_TARBALL STREQUAL "")
  _qj_verified("${LUMRA_QURAN_JSON_TARBALL}" _qj_ok)
  if(NOT _qj_ok)
    message(FATAL_ERROR "quran-json: LUMRA_QURAN_JSON_TARBALL (${LUMRA_QURAN_JSON_TARBALL}) "
      "is missing or is not ${_qj_file} (sha512 differs)")
  endif()
  _qj_copy("${LUMRA_QURAN_JSON_TARBALL}" "${_qj_tgz}")
  _qj_verified("${_qj_tgz}" _qj_ok)
endif()

if(NOT _qj_ok AND _qj_cache_dir)
  _qj_verified("${_qj_cache_dir}/${_qj_file}" _qj_ok)
  if(_qj_ok)
    message(STATUS "quran-json: using ${_qj_cache_dir}/${_qj_file}")
    _qj_copy("${_qj_cache_dir}/${_qj_file}" "${_qj_tgz}")
    _qj_verified("${_qj_tgz}" _qj_ok)
  elseif(EXISTS "${_qj_cache_dir}/${_qj_file}")
    message(WARNING "quran-json: ignoring ${_qj_cache_dir}/${_qj_file}, its sha512 differs")
  endif()
endif()

if(NOT _qj_ok)
  find_program(LUMRA_NPM_EXECUTABLE npm)
  if(NOT LUMRA_NPM_EXECUTABLE)
    message(FATAL_ERROR "quran-json: ${_qj_file} is not in ${_qj_dir} nor in the cache "
      "(${_qj_cache_dir}), and npm was not found to fetch it. Install npm, or get the file on "
      "another machine with `npm pack quran-json@${_qj_version}` and pass it with "
      "-DLUMRA_QURAN_JSON_TARBALL=<path>.")
  endif()
  set(_qj_fetch_dir "${_qj_dir}/fetch")
  file(REMOVE_RECURSE "${_qj_fetch_dir}")
  file(MAKE_DIRECTORY "${_qj_fetch_dir}")
  message(STATUS "quran-json: npm pack quran-json@${_qj_version}")
  execute_process(
    COMMAND "${LUMRA_NPM_EXECUTABLE}" pack "quran-json@${_qj_version}" --ignore-scripts
            --pack-destination "${_qj_fetch_dir}"
    WORKING_DIRECTORY "${_qj_fetch_dir}"
    RESULT_VARIABLE _qj_npm_result
    OUTPUT_VARIABLE _qj_npm_out
    ERROR_VARIABLE _qj_npm_err
    TIMEOUT 600)
  if(NOT _qj_npm_result EQUAL 0 OR NOT EXISTS "${_qj_fetch_dir}/${_qj_file}")
    message(FATAL_ERROR "quran-json: `npm pack quran-json@${_qj_version}` failed "
      "(${_qj_npm_result}):\n${_qj_npm_err}\nWithout the registry, get ${_qj_file} elsewhere and "
      "pass it with -DLUMRA_QURAN_JSON_TARBALL=<path>, or put it into ${_qj_cache_dir}/.")
  endif()
  _qj_verified("${_qj_fetch_dir}/${_qj_file}" _qj_ok)
  if(NOT _qj_ok)
    file(REMOVE_RECURSE "${_qj_fetch_dir}")
    message(FATAL_ERROR "quran-json: the fetched ${_qj_file} fails its sha512 check; "
      "it is not the package the data sets are built from")
  endif()
  file(RENAME "${_qj_fetch_dir}/${_qj_file}" "${_qj_tgz}")
  file(REMOVE_RECURSE "${_qj_fetch_dir}")
endif()

# Keep a copy for other build trees on this machine.
if(_qj_cache_dir)
  _qj_verified("${_qj_cache_dir}/${_qj_file}" _qj_cached)
  if(NOT _qj_cached)
    _qj_copy("${_qj_tgz}" "${_qj_cache_dir}/${_qj_file}")
    if(_qj_copy_error)
      message(WARNING "quran-json: could not copy to ${_qj_cache_dir}: ${_qj_copy_error}")
    endif()
  endif()
endif()

# Extract the members once per tarball; the stamp holds the hashes of what was
# extracted, so a damaged or edited copy, or a member missing (one added to the list since),
# is extracted again.
set(_qj_dist "${_qj_dir}/package/dist")
set(_qj_stamp "${_qj_dir}/extracted.sha512")
set(_qj_want "${_qj_sha512}")
set(_qj_have "")
foreach(_member IN LISTS _qj_members)
  if(EXISTS "${_qj_dir}/${_member}")
    file(SHA512 "${_qj_dir}/${_member}" _hash)
    string(APPEND _qj_have " ${_hash}")
  else()
    string(APPEND _qj_have " missing")
  endif()
endforeach()
set(_qj_recorded "")
if(EXISTS "${_qj_stamp}")
  file(READ "${_qj_stamp}" _qj_recorded)
endif()
if(NOT _qj_recorded STREQUAL "${_qj_want}${_qj_have}")
  file(REMOVE_RECURSE "${_qj_dir}/package")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E tar xzf "${_qj_tgz}" ${_qj_members}
    WORKING_DIRECTORY "${_qj_dir}"
    RESULT_VARIABLE _qj_tar_result
    ERROR_VARIABLE _qj_tar_err)
  if(NOT _qj_tar_result EQUAL 0)
    message(FATAL_ERROR "quran-json: cannot extract ${_qj_tgz}:\n${_qj_tar_err}")
  endif()
  set(_qj_have "")
  foreach(_member IN LISTS _qj_members)
    if(NOT EXISTS "${_qj_dir}/${_member}")
      message(FATAL_ERROR "quran-json: ${_member} is missing from ${_qj_tgz}")
    endif()
    file(SHA512 "${_qj_dir}/${_member}" _hash)
    string(APPEND _qj_have " ${_hash}")
  endforeach()
  file(WRITE "${_qj_stamp}" "${_qj_want}${_qj_have}")
endif()

set(LUMRA_QURAN_JSON_DIR "${_qj_dist}" CACHE INTERNAL
  "Folder of the quran-json texts the data sets are built from")
