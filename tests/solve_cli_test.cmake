# Runs right-triangle-solve (path in SOLVE) as a teacher's script would and
# checks its output and exit codes.

function(expect_run expected_code expected_out)
  execute_process(COMMAND ${SOLVE} ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code EQUAL expected_code)
    message(FATAL_ERROR "right-triangle-solve ${ARGN}: exit ${code}, expected ${expected_code}\n${err}")
  endif()
  if(NOT "${expected_out}" STREQUAL "" AND NOT out STREQUAL expected_out)
    message(FATAL_ERROR "right-triangle-solve ${ARGN}: printed\n${out}\nexpected\n${expected_out}")
  endif()
endfunction()

expect_run(0 "a\t6.0000000\nb\t8.0000001\nc\t10.0000000\nhc\t4.8000000\na1\t3.5999999\nb1\t6.4000000\n"
           c,hc 10 4.8)
expect_run(0 "a\t3.0000000\nb\t4.0000000\nc\t5.0000000\nhc\t2.4000000\na1\t1.8000000\nb1\t3.2000000\n"
           0 3 4)
# The last row, by its text and by its index.
expect_run(0 "a\t3.0000000\nb\t4.0000000\nc\t5.0000000\nhc\t2.4000000\na1\t1.8000000\nb1\t3.2000000\n"
           a1,b1 1.8 3.2)
expect_run(0 "a\t3.0000000\nb\t4.0000000\nc\t5.0000000\nhc\t2.4000000\na1\t1.8000000\nb1\t3.2000000\n"
           14 1.8 3.2)
expect_run(64 "" a1,b1,c 1.8 3.2)
expect_run(64 "" 15 1.8 3.2)
expect_run(1 "" a,b abc 4)
expect_run(1 "" a,b -2 4)
expect_run(2 "" a,c 5 3)
expect_run(64 "" b,a 3 4)
expect_run(64 "" a,b 3)
expect_run(64 "")
expect_run(0 "" --help)

# --steps prints the solution after the six lines, with the same exit codes.
execute_process(COMMAND ${SOLVE} --steps hc,a1 2.4 1.8 RESULT_VARIABLE code OUTPUT_VARIABLE out)
string(FIND "${out}" "a\t3.0000000\nb\t4.0000000\nc\t5.0000000\nhc\t2.4000000\na1\t1.8000000\nb1\t3.2000000\n\nРешение\nДадено: hc = 2.4; a1 = 1.8\n" at)
if(NOT code EQUAL 0 OR NOT at EQUAL 0 OR NOT out MATCHES "   b = 4.0000000\nПроверка:\n")
  message(FATAL_ERROR "--steps hc,a1 2.4 1.8: exit ${code}, printed\n${out}")
endif()
execute_process(COMMAND ${SOLVE} --steps a,c 5 3 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT code EQUAL 2 OR NOT out MATCHES "Тук пресмятането спира: под корена се получава отрицателно число")
  message(FATAL_ERROR "--steps a,c 5 3: exit ${code}, printed\n${out}")
endif()
execute_process(COMMAND ${SOLVE} --steps a,b 3 -2 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT code EQUAL 1 OR NOT out MATCHES "Дадената стойност на b")
  message(FATAL_ERROR "--steps a,b 3 -2: exit ${code}, printed\n${out}")
endif()
# A zero length is no triangle, but the boxes are written: exit 0 as without
# --steps, and the solution says so.
execute_process(COMMAND ${SOLVE} --steps a,c 5 5 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_QUIET)
if(NOT code EQUAL 0 OR NOT out MATCHES "b\t0.0000000" OR NOT out MATCHES "триъгълникът се изражда в отсечка")
  message(FATAL_ERROR "--steps a,c 5 5: exit ${code}, printed\n${out}")
endif()
expect_run(64 "" --steps a,b 3)
expect_run(64 "" --steps)
execute_process(COMMAND ${SOLVE} --help OUTPUT_VARIABLE out)
if(NOT out MATCHES "--steps")
  message(FATAL_ERROR "--help does not name --steps")
endif()

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/batch_in.txt "a,b\t3\t4\nnonsense\nc,b1\t5\t6\na,b\t0\t4\na1,b1\t1.8\t3.2\n14\t1.8\t3.2")
execute_process(COMMAND ${SOLVE} --batch INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/batch_in.txt
                RESULT_VARIABLE code OUTPUT_VARIABLE out)
set(expected "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000\nerror:request\nerror:invalid\nunchanged\n3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000\n3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000\n")
if(NOT code EQUAL 0 OR NOT out STREQUAL expected)
  message(FATAL_ERROR "--batch: exit ${code}, printed\n${out}\nexpected\n${expected}")
endif()

# An input far larger than one read (7,000 lines, about 130 KiB, with a line
# that is no request every tenth) is answered line for line, in order.
string(REPEAT "a,b\t3\t4\nc,hc\t10\t4.8\na,c\t5\t3\na,b\t0\t4\nb,b1\t4\t3.2\n9\t10\t4.8\nhc,a1\t2.4\t1.8\nc,b1\t5\t6\na1,b1\t1.8\t3.2\nnonsense\n" 700 big_in)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/batch_big_in.txt "${big_in}")
execute_process(COMMAND ${SOLVE} --batch INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/batch_big_in.txt
                RESULT_VARIABLE code OUTPUT_VARIABLE out)
set(k345 "3.0000000\t4.0000000\t5.0000000\t2.4000000\t1.8000000\t3.2000000\n")
set(k_c_hc "6.0000000\t8.0000001\t10.0000000\t4.8000000\t3.5999999\t6.4000000\n")
set(k_b_b1 "2.9999997\t4.0000000\t4.9999998\t2.3999998\t1.7999997\t3.2000000\n")
string(REPEAT "${k345}${k_c_hc}error:invalid\nunchanged\n${k_b_b1}${k_c_hc}${k345}error:invalid\n${k345}error:request\n" 700 expected)
if(NOT code EQUAL 0 OR NOT out STREQUAL expected)
  string(LENGTH "${out}" got)
  string(LENGTH "${expected}" wanted)
  message(FATAL_ERROR "--batch of 7,000 lines: exit ${code}, ${got} bytes printed, ${wanted} expected")
endif()

# --practice: a code's set, options that make another set (and code), and a
# code that is no code, which gets a message and a fresh set.
execute_process(COMMAND ${SOLVE} --practice 9SVZUC RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT code EQUAL 0 OR NOT out MATCHES "^Упражнение 9SVZUC: 3 задачи, двойки a,c; c,hc, с десетични дадени числа\n"
   OR NOT out MATCHES "\n1\\. Дадено: a = 43\\.2; c = 45\\. Намерете b, hc, a1, b1\\.\n"
   OR NOT out MATCHES "\nОтговори \\(9SVZUC\\)\n1\\. a = 43\\.2000000; b = 12\\.6000000;")
  message(FATAL_ERROR "--practice 9SVZUC: exit ${code}, printed\n${out}")
endif()
execute_process(COMMAND ${SOLVE} --practice 9svzuc --count 10 RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT code EQUAL 0 OR out MATCHES "9SVZUC" OR NOT out MATCHES ": 10 задачи, двойки a,c; c,hc, с десетични дадени числа\n"
   OR NOT out MATCHES "\n1\\. Дадено: a = 43\\.2; c = 45\\.")
  message(FATAL_ERROR "--practice 9svzuc --count 10: exit ${code}, printed\n${out}")
endif()
execute_process(COMMAND ${SOLVE} --practice new --pairs c,hc --easy RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT code EQUAL 0 OR NOT out MATCHES "^Нов код: [2-9A-HJ-NP-Z][2-9A-HJ-NP-Z][2-9A-HJ-NP-Z][2-9A-HJ-NP-Z][2-9A-HJ-NP-Z][2-9A-HJ-NP-Z]\n\n"
   OR NOT out MATCHES ": 6 задачи, двойки c,hc, с цели дадени числа\n")
  message(FATAL_ERROR "--practice new: exit ${code}, printed\n${out}")
endif()
execute_process(COMMAND ${SOLVE} --practice 0O1Il2 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 1 OR NOT err MATCHES "„0O1Il2“ не е код на упражнение" OR NOT out MATCHES "^Нов код: ")
  message(FATAL_ERROR "--practice 0O1Il2: exit ${code}, printed\n${out}${err}")
endif()
expect_run(64 "" --practice)
expect_run(64 "" --practice new --count 17)
expect_run(64 "" --practice new --count 0)
expect_run(64 "" --practice new --pairs a,a)
expect_run(64 "" --practice new --colour)

# --exact adds the school's exact form before each box text, empty where
# there is no short one; the exit codes stay those of the plain call.
expect_run(0 "a\t5\t5.0000000\nb\t12\t12.0000000\nc\t13\t13.0000000\nhc\t60/13\t4.6153846\na1\t25/13\t1.9230769\nb1\t144/13\t11.0769200\n"
           --exact a,c 5 13)
expect_run(0 "a\t2√5\t4.4721360\nb\t4√5\t8.9442719\nc\t10\t10.0000000\nhc\t4\t4.0000000\na1\t2\t2.0000000\nb1\t8\t8.0000000\n"
           --exact c,hc 10 4)
expect_run(0 "a\t1\t1.0000000\nb\t\t1.2720196\nc\t(1 + √5)/2\t1.6180340\nhc\t\t0.7861514\na1\t(√5 − 1)/2\t0.6180340\nb1\t1\t1.0000000\n"
           --exact a,b1 1 1)
expect_run(2 "" --exact a,c 5 3)
expect_run(1 "" --exact a,b 0 4)
expect_run(64 "" --exact a,b 3)

# --check marks a task's four answers as the page does: one line a box, the
# mistake's tag and sentence, then the summary; exit 0 whatever the marks.
expect_run(0 "a\tright\t-\t-\nb\tright\t-\tопростено: 6√13\na1\twrong\tother-root\tТова е другият корен на квадратното уравнение: b₁ е по-големият корен, a₁ — по-малкият.\nb1\tempty\t-\t-\nВерни: 2 от 4. a: вярно; b: вярно; a1: грешно; b1: няма отговор.\n"
           --check 9SVZUC 2 4√13 √468 18 -)
expect_run(0 "b\tright\t-\t-\nhc\twrong\taltitude-without-c\tИзглежда сте използвали hc = a·b. Произведението на катетите се дели на хипотенузата: hc = a·b/c.\na1\tnot-number\t-\tДеление на нула няма стойност.\nb1\tnot-positive\t-\t-\nВерни: 1 от 4. b: вярно; hc: грешно; a1: не е число; b1: дължината е положително число.\n"
           --check 9SVZUC 3 4.14 11.6 1/0 -3)
expect_run(0 "" --check 9SVZUC 4 - - - -)  # the retry of task 1
expect_run(0 "" --check 9SVZUC 1 - - - - --no-triangle)
expect_run(1 "" --check 9SVZUC 7 - - - -)
expect_run(1 "" --check 9SVZUC x - - - -)
expect_run(1 "" --check 0O1Il2 1 - - - -)
expect_run(64 "" --check 9SVZUC 1 - - -)
expect_run(64 "" --check 9SVZUC 1 - - - - --colour)

# How a given value was read goes to standard error, where the lengths alone
# would hide it; the output and the exit code stay those of the plain call.
execute_process(COMMAND ${SOLVE} c,hc 10 4,8 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT out MATCHES "^a\t4.4721360\n" OR
   NOT err STREQUAL "Прочетено е само 4 от „4,8“: тук десетичният знак е точка.\n")
  message(FATAL_ERROR "c,hc 10 4,8: exit ${code}, printed\n${out}\nand on standard error\n${err}")
endif()
execute_process(COMMAND ${SOLVE} c,hc -10 4.8 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 1 OR NOT out STREQUAL "" OR
   NOT err MATCHES "^Стойността на c \\(„-10“\\) не е положително число; нищо не е изчислено.\n")
  message(FATAL_ERROR "c,hc -10 4.8: exit ${code}, printed\n${out}\nand on standard error\n${err}")
endif()
execute_process(COMMAND ${SOLVE} a,b 3 4 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0 OR NOT err STREQUAL "")
  message(FATAL_ERROR "a,b 3 4: exit ${code}, and on standard error\n${err}")
endif()

# --practice --every-triangle: a seventh character, the set's tasks each with
# a triangle.
execute_process(COMMAND ${SOLVE} --practice 9SVZUC --every-triangle RESULT_VARIABLE code OUTPUT_VARIABLE out)
if(NOT code EQUAL 0 OR NOT out MATCHES "^Упражнение 9SVZUC3: 3 задачи, двойки a,c; c,hc, с десетични дадени числа, всяка с триъгълник\n")
  message(FATAL_ERROR "--practice 9SVZUC --every-triangle: exit ${code}, printed\n${out}")
endif()
expect_run(0 "" --practice 9SVZUC3)

# --result-code gives the code that the page gives; --results reads it back
# from a class's lines, and names on standard error what it leaves out.
expect_run(0 "9SVZUC-2BYE-YG\n" --result-code 9SVZUC alone,hints:other-root,none:no-root)
expect_run(0 "9SVZUC-2222-7M\n" --result-code 9svzuc alone,alone,alone)
expect_run(64 "" --result-code 9SVZUC alone,alone)
expect_run(64 "" --result-code 9SVZUC alone,alone,alone:no-root)
expect_run(64 "" --result-code 9SVZUC alone,alone,sometimes)
expect_run(64 "" --result-code 9SVZUC alone,alone,none:nonsense)
expect_run(64 "" --result-code 9SVZUC alone,alone,mistakes:-)
expect_run(64 "" --result-code 9SVZUC alone,alone,mistakes:)
expect_run(64 "" --result-code 9SVZUC)
expect_run(1 "" --result-code 0O1Il2 alone)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/class_in.txt
     "Иван Петров 9SVZUC-2BYE-YG\n\nМария\t9svzuc-2222 7m\nГеорги 9SVZUC-2BYE-GY\nбез код\n")
execute_process(COMMAND ${SOLVE} --results 9SVZUC INPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/class_in.txt
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT code EQUAL 0
   OR NOT out STREQUAL "име\t1\t2\t3\nИван Петров\talone\thints:other-root\tnone:no-root\nМария\talone\talone\talone\n"
   OR NOT err STREQUAL "Ред 4 („Георги 9SVZUC-2BYE-GY“): Кодът е преписан грешно: знак е сбъркан или два знака са разменени.\nРед 5 („без код“) няма код.\n")
  message(FATAL_ERROR "--results 9SVZUC: exit ${code}, printed\n${out}\nand\n${err}")
endif()
expect_run(1 "" --results 0O1Il2)
expect_run(64 "" --results)
