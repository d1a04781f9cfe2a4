A

B
