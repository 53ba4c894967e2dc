# The file is the sample crop file, written with blanks, byte for byte.
cmp exemplo_CUL.txt "$(dirname "$0")/../../../examples/exemplo_CUL.txt"
